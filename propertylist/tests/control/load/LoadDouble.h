#pragma once

// An automation object whose properties cover every branch of loading an object's properties,
// served by its own test library "LoadDoubles". CategorizedDouble also groups its properties
// through ICategorizeProperties.

#include "platform/forms/host/UserControl.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"
#include "platform/ole/registry/LibraryServer.h"
#include "platform/ole/typeinfo/ICategorizeProperties.h"

#include <map>
#include <string>

namespace attrgrid::test {

inline constexpr const char* kLoadDoublesLibrary = "{5B0E2F11-8C3D-4A7E-9F21-6D4C3B2A1900}";

enum class ldMode : int32_t { A = 0, B = 5 };

class LoadDouble : public ole::Object {
public:
    enum Id : ole::DISPID {
        IdCaption = 1,
        IdCount,
        IdBackColor,
        IdFlag,
        IdRatio,
        IdLevel,
        IdFont,
        IdPicture,
        IdMode,
        IdV,
        IdChild,
        IdLocked,
        IdBroken,
        IdSecret,
        IdWidth,
        IdCustom,
        IdFailing,
        IdNil,
        IdAfter,
    };

    static ole::Ptr<LoadDouble> Create() { return ole::MakeObject<LoadDouble>(); }

    // Every let or set the list makes, by property name.
    std::map<std::string, int> writes;
    int TotalWrites() const {
        int total = 0;
        for (const auto& [name, count] : writes)
            total += count;
        return total;
    }

    std::string caption = "cap";
    uint32_t backColor = 0x00FF00;
    bool flag = true;
    float ratio = 1.5F;
    uint8_t level = 7;
    ole::Ptr<ole::Font> font = ole::Font::Create();
    ole::Ptr<ole::Picture> picture;
    ldMode mode = ldMode::B;
    ole::Variant v = ole::Variant(3);
    ole::Ptr<ole::Object> child;
    int32_t width = 100;
    int32_t after = 42;

    std::string GetCaption() const { return caption; }
    void LetCaption(std::string value) {
        Count("Caption");
        caption = std::move(value);
    }
    int32_t GetCount() const { return 3; }
    uint32_t GetBackColor() const { return backColor; }
    void LetBackColor(uint32_t value) {
        Count("BackColor");
        backColor = value;
    }
    bool GetFlag() const { return flag; }
    void LetFlag(bool value) {
        Count("Flag");
        flag = value;
    }
    float GetRatio() const { return ratio; }
    void LetRatio(float value) {
        Count("Ratio");
        ratio = value;
    }
    uint8_t GetLevel() const { return level; }
    void LetLevel(uint8_t value) {
        Count("Level");
        level = value;
    }
    ole::Ptr<ole::Font> GetFont() const { return font; }
    void SetFont(ole::Ptr<ole::Font> value) {
        Count("Font");
        font = std::move(value);
    }
    ole::Ptr<ole::Picture> GetPicture() const { return picture; }
    void SetPicture(ole::Ptr<ole::Picture> value) {
        Count("Picture");
        picture = std::move(value);
    }
    ldMode GetMode() const { return mode; }
    void LetMode(ldMode value) {
        Count("Mode");
        mode = value;
    }
    ole::Variant GetV() const { return v; }
    void LetV(ole::Variant value) {
        Count("V");
        v = std::move(value);
    }
    ole::Ptr<ole::Object> GetChild() const { return child; }
    void SetChild(ole::Ptr<ole::Object> value) {
        Count("Child");
        child = std::move(value);
    }
    std::string GetLocked() const { return "fixed"; }
    void LetLocked(std::string) {
        Count("Locked");
        ole::RaiseError(383);
    }
    std::string GetBroken() const { ole::RaiseError(5); }
    void LetBroken(std::string) { Count("Broken"); }
    int32_t GetSecret() const { return 0; }
    void LetSecret(int32_t) { Count("Secret"); }
    int32_t GetWidth() const { return width; }
    void LetWidth(int32_t value) {
        Count("Width");
        width = value;
    }
    std::string GetCustom() const { return "custom"; }
    void LetCustom(std::string) { Count("Custom"); }
    std::string GetFailing() const { return "failing"; }
    void LetFailing(std::string) { Count("Failing"); }
    std::string GetNil() const { return "nil"; }
    void LetNil(std::string) { Count("Nil"); }
    int32_t GetAfter() const { return after; }
    void LetAfter(int32_t value) {
        Count("After");
        after = value;
    }

    static const ole::ClassInfo& Info() {
        using S = LoadDouble;
        static const ole::ClassInfo info =
            ole::ClassBuilder<S>("LoadDouble")
                .Library("LoadDoubles")
                .ClassId("{5B0E2F11-8C3D-4A7E-9F21-6D4C3B2A1901}")
                .Interface("_LoadDouble", "{5B0E2F11-8C3D-4A7E-9F21-6D4C3B2A1902}",
                           ole::TYPEFLAG_FDUAL)
                .Property("Caption", IdCaption, &S::GetCaption, &S::LetCaption,
                          ole::Help("The caption"))
                .Get("Count", IdCount, &S::GetCount)
                .Property("BackColor", IdBackColor, &S::GetBackColor, &S::LetBackColor,
                          ole::Typed("OLE_COLOR"))
                .Property("Flag", IdFlag, &S::GetFlag, &S::LetFlag)
                .Property("Ratio", IdRatio, &S::GetRatio, &S::LetRatio)
                .Property("Level", IdLevel, &S::GetLevel, &S::LetLevel)
                .Property("Font", IdFont, &S::GetFont, &S::SetFont, ole::Typed("Font"))
                .Property("Picture", IdPicture, &S::GetPicture, &S::SetPicture,
                          ole::Typed("Picture"))
                .Property("Mode", IdMode, &S::GetMode, &S::LetMode, ole::Typed("ldMode"))
                .Property("V", IdV, &S::GetV, &S::LetV)
                .Property("Child", IdChild, &S::GetChild, &S::SetChild)
                .Property("Locked", IdLocked, &S::GetLocked, &S::LetLocked)
                .Property("Broken", IdBroken, &S::GetBroken, &S::LetBroken)
                .Property("Secret", IdSecret, &S::GetSecret, &S::LetSecret, ole::Hidden())
                .Property("Width", IdWidth, &S::GetWidth, &S::LetWidth)
                .Property("Custom", IdCustom, &S::GetCustom, &S::LetCustom)
                .Property("Failing", IdFailing, &S::GetFailing, &S::LetFailing)
                .Property("Nil", IdNil, &S::GetNil, &S::LetNil)
                .Property("After", IdAfter, &S::GetAfter, &S::LetAfter)
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

protected:
    LoadDouble() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

private:
    void Count(const std::string& name) { ++writes[name]; }
};

// Categories: Width "Position" (-4), Custom 7 (named by GetCategoryName), Nil -1 (not shown),
// Failing's mapping fails, everything else Misc (-2).
class CategorizedDouble : public LoadDouble, public ole::ICategorizeProperties {
public:
    static ole::Ptr<CategorizedDouble> Create() { return ole::MakeObject<CategorizedDouble>(); }

    std::vector<std::pair<int32_t, uint32_t>> nameRequests;

    int32_t MapPropertyToCategory(ole::DISPID memberId) override {
        switch (memberId) {
        case IdWidth:
            return ole::PROPCAT_Position;
        case IdCustom:
            return 7;
        case IdNil:
            return ole::PROPCAT_Nil;
        case IdFailing:
            ole::RaiseError(static_cast<int32_t>(0x80004001));
        default:
            return ole::PROPCAT_Misc;
        }
    }
    std::string GetCategoryName(int32_t category, uint32_t lcid) override {
        nameRequests.emplace_back(category, lcid);
        return "Category " + std::to_string(category);
    }
    ole::Ptr<ole::Object> QueryInterface(const ole::Guid& iid) override {
        if (iid == ole::IID_ICategorizeProperties)
            return ole::Ptr<ole::Object>(this);
        return LoadDouble::QueryInterface(iid);
    }

private:
    CategorizedDouble() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);
};

// A user control for hosting on a form: the extender adds its table around these members.
// ToolTipText shadows the extender's member of that name; MousePointer and MouseIcon are hidden
// from type information, so only the extender's table shows them.
class HostedDouble : public forms::UserControl {
public:
    static ole::Ptr<HostedDouble> Create() { return ole::MakeObject<HostedDouble>(); }

    std::map<std::string, int> writes;
    std::string caption = "hosted";

    std::string GetCaption() const { return caption; }
    void LetCaption(std::string value) {
        ++writes["Caption"];
        caption = std::move(value);
    }
    std::string GetToolTipText() const { return "inner tip"; }
    void LetToolTipText(std::string) { ++writes["ToolTipText"]; }
    ole::Ptr<ole::Picture> GetMouseIcon() const { return MouseIcon(); }
    void SetMouseIcon(ole::Ptr<ole::Picture> icon) {
        ++writes["MouseIcon"];
        UserControl::SetMouseIcon(std::move(icon));
    }

    static const ole::ClassInfo& Info() {
        using S = HostedDouble;
        static const ole::ClassInfo info =
            ole::ClassBuilder<S>("HostedDouble")
                .Library("LoadDoubles")
                .ClassId("{5B0E2F11-8C3D-4A7E-9F21-6D4C3B2A1903}")
                .Interface("_HostedDouble", "{5B0E2F11-8C3D-4A7E-9F21-6D4C3B2A1904}",
                           ole::TYPEFLAG_FDUAL)
                .Property("Caption", 1, &S::GetCaption, &S::LetCaption)
                .Property("ToolTipText", 2, &S::GetToolTipText, &S::LetToolTipText)
                .Property("MousePointer", 3, &UserControl::MousePointer,
                          &UserControl::SetMousePointer, ole::Hidden())
                .Property("MouseIcon", 4, &S::GetMouseIcon, &S::SetMouseIcon,
                          ole::Typed("Picture") | ole::Hidden())
                .Property("ScaleMode", 5, &UserControl::ScaleMode, &UserControl::SetScaleMode)
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

private:
    HostedDouble() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);
};

// The double's library, registered like a control library's exports.
inline ole::LibraryServer& LoadDoublesServer() {
    static ole::LibraryServer server("LoadDoubles", ole::Guid::FromString(kLoadDoublesLibrary));
    static const bool declared = [] {
        server.Types().AddEnum("ldMode", {{"A", 0}, {"B", 5}});
        server.AddClass(
            "LoadDoubles.LoadDouble", [] { return ole::Ptr<ole::Object>(LoadDouble::Create()); },
            LoadDouble::Info(), ole::ClassFlags{});
        ole::ClassFlags control;
        control.control = true;
        server.AddClass(
            "LoadDoubles.HostedDouble",
            [] { return ole::Ptr<ole::Object>(HostedDouble::Create()); }, HostedDouble::Info(),
            control);
        return true;
    }();
    (void)declared;
    return server;
}

} // namespace attrgrid::test
