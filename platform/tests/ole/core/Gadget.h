#pragma once

// A test class exercising every shape of member the dispatch table supports.

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/event/ConnectionPoint.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace coretest {

using namespace ole;

class Gadget : public Object, public EventSource {
public:
    enum Id : DISPID {
        Caption = DISPID_VALUE,
        Count = 1,
        Tag = 2,
        Child = 3,
        Resize = 4,
        Normalize = 5,
        ItemData = 6,
        Fail = 7,
        Reset = 8,
        Secret = 9,
        Total = 10,
        Swap = 11,
        Remote = 12,
    };
    enum EventId : DISPID { Changing = 1, Changed = 2 };

    static Ptr<Gadget> Create() { return MakeObject<Gadget>(); }

    std::string GetCaption() const { return m_caption; }
    void SetCaption(std::string caption) { m_caption = std::move(caption); }
    int32_t GetCount() const { return m_count; }
    Variant GetTag() const { return m_tag; }
    void LetTag(Variant tag) { m_tag = std::move(tag); }
    void SetTagObject(Variant tag) { m_tag = std::move(tag); }
    Ptr<Gadget> GetChild() const { return m_child; }
    void SetChild(Ptr<Gadget> child) { m_child = std::move(child); }

    // Optional arguments with callee defaults; returns what it received.
    std::string DoResize(int32_t width, int32_t height, Variant mode) {
        m_count = width;
        return std::to_string(width) + "x" + std::to_string(height) + ":" +
               (mode.IsMissing() ? "missing" : "given");
    }
    // By-reference write-back: trims the key in place.
    bool DoNormalize(std::string& key, bool& changed) {
        const size_t first = key.find_first_not_of(' ');
        const size_t last = key.find_last_not_of(' ');
        const std::string trimmed =
            first == std::string::npos ? std::string() : key.substr(first, last - first + 1);
        changed = trimmed != key;
        key = trimmed;
        return true;
    }
    int32_t GetItemData(int16_t index) const {
        return index >= 0 && index < static_cast<int16_t>(m_data.size()) ? m_data[index] : -1;
    }
    void SetItemData(int16_t index, int32_t value) {
        if (index < 0 || index >= static_cast<int16_t>(m_data.size()))
            RaiseError(ERR_SUBSCRIPT);
        m_data[static_cast<size_t>(index)] = value;
    }
    void DoFail(int32_t number) {
        if (number == static_cast<int32_t>(0x80040005))
            throw Error(number, "Property with this key is already present.", "Attrgrid");
        if (number == -1)
            throw std::runtime_error("plain C++ failure");
        RaiseError(number);
    }
    void DoReset() { m_count = 0; }
    int32_t GetSecret() const { return 42; }
    double DoTotal(double a, float b, int16_t c, Currency d) const {
        return a + b + c + d.ToDouble();
    }
    void DoSwap(Variant& a, Variant& b) { std::swap(a, b); }
    Variant GetRemote() const { return m_remote; }
    void SetRemote(Ptr<Object> remote) { m_remote = Variant(remote); }

    // Raises Changing(newValue, ByRef cancel); returns the final cancel.
    bool RaiseChanging(const std::string& newValue, bool cancel) {
        Variant args[] = {Variant(newValue), Variant(cancel)};
        m_events.Raise(Changing, args);
        return args[1].AsBool();
    }

    ConnectionPoint& Events() override { return m_events; }

    static const ClassInfo& Info() {
        static const ClassInfo info =
            ClassBuilder<Gadget>("Gadget")
                .Library("Gizmos")
                .ClassId("{2F0C5E7A-1B3D-4E8F-9A6B-7C5D4E3F2A10}")
                .Interface("_Gadget", "{2F0C5E7A-1B3D-4E8F-9A6B-7C5D4E3F2A11}", TYPEFLAG_FDUAL)
                .EventInterface("__Gadget", "{2F0C5E7A-1B3D-4E8F-9A6B-7C5D4E3F2A12}")
                .Property("Caption", Caption, &Gadget::GetCaption, &Gadget::SetCaption,
                          Help("The text shown"))
                .Get("Count", Count, &Gadget::GetCount)
                .Get("Tag", Tag, &Gadget::GetTag)
                .Let("Tag", Tag, &Gadget::LetTag)
                .Set("Tag", Tag, &Gadget::SetTagObject)
                .Property("Child", Child, &Gadget::GetChild, &Gadget::SetChild)
                .Method("Resize", Resize, &Gadget::DoResize,
                        Params({Arg("width"), Opt("height", -1), Opt("mode")}))
                .Method("Normalize", Normalize, &Gadget::DoNormalize,
                        Params({Arg("key"), Opt("changed", false)}))
                .Property("ItemData", ItemData, &Gadget::GetItemData, &Gadget::SetItemData,
                          Params({Arg("index")}))
                .Method("Fail", Fail, &Gadget::DoFail, Params({Arg("number")}))
                .Method("Reset", Reset, &Gadget::DoReset)
                .Get("Secret", Secret, &Gadget::GetSecret, Hidden())
                .Method("Total", Total, &Gadget::DoTotal)
                .Method("Swap", Swap, &Gadget::DoSwap)
                .Get("Remote", Remote, &Gadget::GetRemote)
                .Set("Remote", Remote, &Gadget::SetRemote)
                .Event("Changing", Changing, 0, {{"newValue", VT_BSTR}, {"bCancel", VT_BOOL, true}})
                .Event("Changed", Changed, 1, {})
                .Build();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    std::string m_caption = "gadget";
    int32_t m_count = 3;
    Variant m_tag;
    Ptr<Gadget> m_child;
    std::vector<int32_t> m_data = std::vector<int32_t>(4, 0);
    Variant m_remote;
    ConnectionPoint m_events{Info(), this};
};

} // namespace coretest
