#pragma once

// A class with a property of every type the property list maps to an editor, served by a test
// library "Gizmos".

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"
#include "platform/ole/registry/LibraryServer.h"

namespace coretest {

using namespace ole;

inline constexpr const char* kShowcaseClsid = "{7A41C2D0-6E3B-4F59-8C21-0D9E4B7A3F61}";
inline constexpr const char* kGizmosLibrary = "{7A41C2D0-6E3B-4F59-8C21-0D9E4B7A3F60}";

enum class BorderStyle : int32_t { None = 0, FixedSingle = 1 };

class Showcase : public Object {
public:
    static Ptr<Showcase> Create() { return MakeObject<Showcase>(); }

    int16_t GetI2() const { return 2; }
    void SetI2(int16_t) {}
    int32_t GetI4() const { return 3; }
    void SetI4(int32_t) {}
    float GetR4() const { return 4; }
    void SetR4(float) {}
    double GetR8() const { return 5; }
    void SetR8(double) {}
    Currency GetCy() const { return Currency{60000}; }
    void SetCy(Currency) {}
    DateTime GetDate() const { return DateTime{7}; }
    void SetDate(DateTime) {}
    std::string GetText() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }
    bool GetFlag() const { return true; }
    void SetFlag(bool) {}
    uint8_t GetByte() const { return 17; }
    void SetByte(uint8_t) {}
    uint32_t GetBackColor() const { return 0x8000000F; }
    void SetBackColor(uint32_t) {}
    BorderStyle GetBorderStyle() const { return BorderStyle::FixedSingle; }
    void SetBorderStyle(BorderStyle) {}
    Ptr<Font> GetFont() const { return nullptr; }
    void SetFont(Ptr<Font>) {}
    Ptr<Picture> GetPicture() const { return nullptr; }
    void SetPicture(Ptr<Picture>) {}
    Variant GetTag() const { return Variant(); }
    void LetTag(Variant) {}
    void SetTag(Variant) {}
    std::vector<uint8_t> GetBlob() const { return {}; }
    int32_t GetCount() const { return 0; }
    int32_t GetSecret() const { return 0; }
    void Refresh() {}

    static const ClassInfo& Info() {
        using S = Showcase;
        static const ClassInfo info =
            ClassBuilder<S>("Showcase")
                .Library("Gizmos")
                .ClassId(kShowcaseClsid)
                .Interface("_Showcase", "{7A41C2D0-6E3B-4F59-8C21-0D9E4B7A3F62}",
                           TYPEFLAG_FDUAL | TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE)
                .Property("Text", DISPID_VALUE, &S::GetText, &S::SetText, Help("Caption text"))
                .Property("Small", 1, &S::GetI2, &S::SetI2)
                .Property("Large", 2, &S::GetI4, &S::SetI4)
                .Property("Single", 3, &S::GetR4, &S::SetR4)
                .Property("Double", 4, &S::GetR8, &S::SetR8)
                .Property("Money", 5, &S::GetCy, &S::SetCy)
                .Property("When", 6, &S::GetDate, &S::SetDate)
                .Property("Flag", 7, &S::GetFlag, &S::SetFlag)
                .Property("Byte", 8, &S::GetByte, &S::SetByte)
                .Property("BackColor", 9, &S::GetBackColor, &S::SetBackColor, Typed("OLE_COLOR"))
                .Property("BorderStyle", 10, &S::GetBorderStyle, &S::SetBorderStyle,
                          Typed("gzBorderStyle"))
                .Property("Font", 11, &S::GetFont, &S::SetFont, Typed("Font"))
                .Property("Picture", 12, &S::GetPicture, &S::SetPicture, Typed("Picture"))
                .Get("Tag", 13, &S::GetTag)
                .Let("Tag", 13, &S::LetTag)
                .Set("Tag", 13, &S::SetTag)
                .Get("Blob", 14, &S::GetBlob)
                .Get("Count", 15, &S::GetCount)
                .Get("Secret", 16, &S::GetSecret, Hidden())
                .Method("Refresh", 17, &S::Refresh, Restricted())
                .Build();
        return info;
    }
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    std::string m_text = "showcase";
};

// The test library's exports, as a control library would hold them.
inline LibraryServer& GizmosServer() {
    static LibraryServer server("Gizmos", Guid::FromString(kGizmosLibrary));
    static const bool declared = [] {
        server.Types().AddEnum("gzBorderStyle", {{"None", 0}, {"Fixed Single", 1}});
        server.AddClass(
            "Gizmos.Showcase", [] { return Ptr<Object>(Showcase::Create()); }, Showcase::Info(),
            ClassFlags{true, true, false, true, false});
        return true;
    }();
    (void)declared;
    return server;
}

} // namespace coretest
