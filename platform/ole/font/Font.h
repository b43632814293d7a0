#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Currency.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ole {

// The standard font object. Bold is not stored: it reads Weight > 550, setting it writes 700 or
// 400. FontChanged(PropertyName) goes to every connected holder only when an assignment really
// changes an attribute, naming the member that was assigned; copying a font attribute by
// attribute onto an equal one therefore raises nothing.
class Font : public Object, public EventSource {
public:
    static constexpr std::string_view kDefaultName = "MS Sans Serif";
    static constexpr Currency kDefaultSize{82500}; // 8.25 pt
    // Size takes 0 to 2160 points; a let outside raises 380, stored bytes read back clamped.
    static constexpr Currency kMaxSize = Currency::FromUnits(2160);
    static Currency ClampedSize(Currency size);
    static constexpr int16_t kNormalWeight = 400;
    static constexpr int16_t kBoldWeight = 700;
    static constexpr DISPID DISPID_FONTCHANGED = 1;

    static Ptr<Font> Create();
    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }
    ConnectionPoint& Events() override { return m_events; }

    const std::string& Name() const { return m_attributes.name; }
    void SetName(std::string name);
    Currency Size() const { return m_attributes.size; }
    void SetSize(Currency size);
    bool Bold() const { return m_attributes.weight > 550; }
    void SetBold(bool bold);
    bool Italic() const { return m_attributes.italic; }
    void SetItalic(bool italic);
    bool Underline() const { return m_attributes.underline; }
    void SetUnderline(bool underline);
    bool Strikethrough() const { return m_attributes.strikethrough; }
    void SetStrikethrough(bool strikethrough);
    int16_t Weight() const { return m_attributes.weight; }
    void SetWeight(int16_t weight);
    int16_t Charset() const { return m_attributes.charset; }
    void SetCharset(int16_t charset);

    // A new font with the same attributes and no holders connected.
    Ptr<Font> Clone() const;
    // Assigns every attribute of `other`; each real change raises its own FontChanged.
    void CopyAttributesFrom(const Font& other);
    // The eight attributes compare equal (the name byte for byte, the size exactly).
    bool SameAttributes(const Font& other) const;

private:
    Font() = default;
    template <class T, class... Args>
    friend Ptr<T> MakeObject(Args&&... args);

    template <class T>
    void Assign(T& attribute, T value, std::string_view propertyName);
    void RaiseFontChanged(std::string_view propertyName);

    struct Attributes {
        std::string name{kDefaultName};
        Currency size = kDefaultSize;
        int16_t weight = kNormalWeight;
        int16_t charset = 0;
        bool italic = false;
        bool underline = false;
        bool strikethrough = false;

        bool operator==(const Attributes&) const = default;
    };

    Attributes m_attributes;
    ConnectionPoint m_events{Info()};
};

} // namespace ole
