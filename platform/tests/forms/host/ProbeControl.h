#pragma once

// A user control that logs every event the runtime sends it, for the hosting tests.

#include "platform/forms/Forms.h"
#include "platform/ole/Ole.h"
#include "platform/win/Win.h"

#include <string>
#include <vector>

namespace hosttest {

using namespace forms;

class ProbeControl : public UserControl {
public:
    enum Id : ole::DISPID { Caption = 1, Value = 2, Bump = 3, ScaleModeId = 4 };
    enum EventId : ole::DISPID { Bumped = 1 };
    static constexpr const char* kProgId = "ProbeLib.ProbeControl";

    static ole::Ptr<ProbeControl> Create() { return ole::MakeObject<ProbeControl>(); }
    static void Register() {
        ole::RegisterClass(kProgId, ole::Guid::FromString("{6A1D2C3B-4E5F-4A6B-8C7D-9E0F1A2B3C4D}"),
                           [] { return ole::Ptr<ole::Object>(Create()); }, &Info(),
                           {.control = true});
    }

    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<ProbeControl>("ProbeControl")
                .Library("ProbeLib")
                .Property("Caption", Caption, &ProbeControl::GetCaption, &ProbeControl::SetCaption)
                .Property("Value", Value, &ProbeControl::GetValue, &ProbeControl::SetValue)
                .Method("Bump", Bump, &ProbeControl::DoBump)
                .Property("ScaleMode", ScaleModeId, &UserControl::ScaleMode,
                          &UserControl::SetScaleMode)
                .Event("Bumped", Bumped, {{"NewValue", ole::VT_I4}})
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(const std::string& caption) {
        m_caption = caption;
        PropertyChanged("Caption");
    }
    int32_t GetValue() const { return m_value; }
    void SetValue(int32_t value) {
        m_value = value;
        PropertyChanged("Value");
    }
    void DoBump() {
        ++m_value;
        ole::Variant args[] = {ole::Variant(m_value)};
        RaiseEvent(Bumped, args);
    }

    std::vector<std::string> log;
    bool userModeAtInit = true;
    bool windowAliveAtTerminate = true;
    // A KeyDown handler may swallow keys by setting this.
    bool swallowKeys = false;

protected:
    void OnInitialize() override { log.push_back("Initialize"); }
    void OnInitProperties() override {
        log.push_back("InitProperties");
        userModeAtInit = GetAmbient()->UserMode();
        m_surface = hWnd();
    }
    void OnReadProperties(ole::PropertyBag& bag) override {
        log.push_back("ReadProperties");
        m_caption = bag.ReadProperty("Caption", ole::Variant("Probe")).AsString();
        m_value = bag.ReadProperty("Value", ole::Variant(int32_t{0})).AsI4();
        m_surface = hWnd();
    }
    void OnWriteProperties(ole::PropertyBag& bag) override {
        log.push_back("WriteProperties");
        bag.WriteProperty("Caption", ole::Variant(m_caption), ole::Variant("Probe"));
        bag.WriteProperty("Value", ole::Variant(m_value), ole::Variant(int32_t{0}));
        bag.WriteProperty("BackColor", ole::Variant(static_cast<int32_t>(BackColor())),
                          ole::Variant(static_cast<int32_t>(kButtonFace)));
    }
    void OnResize() override { log.push_back("Resize"); }
    void OnShow() override { log.push_back("Show"); }
    void OnHide() override { log.push_back("Hide"); }
    void OnPaint() override { log.push_back("Paint"); }
    void OnAmbientChanged(const std::string& name) override {
        log.push_back("AmbientChanged(" + name + ")");
    }
    void OnEnterFocus() override { log.push_back("EnterFocus"); }
    void OnExitFocus() override { log.push_back("ExitFocus"); }
    void OnGotFocus() override { log.push_back("GotFocus"); }
    void OnLostFocus() override { log.push_back("LostFocus"); }
    void OnKeyDown(int16_t& keyCode, int16_t) override {
        log.push_back("KeyDown(" + std::to_string(keyCode) + ")");
        if (swallowKeys)
            keyCode = 0;
    }
    void OnKeyPress(int16_t& keyAscii) override {
        log.push_back("KeyPress(" + std::to_string(keyAscii) + ")");
    }
    void OnMouseDown(int16_t button, int16_t, float x, float y) override {
        log.push_back("MouseDown(" + std::to_string(button) + "," + Num(x) + "," + Num(y) + ")");
    }
    void OnMouseUp(int16_t button, int16_t, float, float) override {
        log.push_back("MouseUp(" + std::to_string(button) + ")");
    }
    void OnClick() override { log.push_back("Click"); }
    void OnDblClick() override { log.push_back("DblClick"); }
    void OnTerminate() override {
        log.push_back("Terminate");
        windowAliveAtTerminate = win::IsWindow(m_surface) != 0;
    }

private:
    static std::string Num(float v) { return std::to_string(static_cast<int>(v)); }

    std::string m_caption = "Probe";
    int32_t m_value = 0;
    win::HWND m_surface;
};

} // namespace hosttest
