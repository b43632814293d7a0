#include "propertylist/model/property/CProperties.h"
#include "propertylist/tests/model/property/ModelDoubles.h"
#include "propertylist/tests/support/ListStandIn.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/picture/Picture.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include <gtest/gtest.h>

namespace attrgrid::test {
namespace {

using ole::Variant;

constexpr int32_t kBackDefault = static_cast<int32_t>(0x80000005);
constexpr int32_t kForeDefault = static_cast<int32_t>(0x80000008);

using testsupport::ErrorOf;

class CPropertyTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        list = ListStandIn::Create();
        list->settings.propertyBackColor = kBackDefault;
        list->settings.propertyForeColor = kForeDefault;
        properties = list->properties;
    }
    void TearDown() override {
        properties.Reset();
        list.Reset();
        CleanPlatform::TearDown();
    }
    ole::Ptr<CProperty> AddWidth(const ole::Ptr<Sizer>& source, bool autoUpdate = true) {
        std::string key;
        return properties->Add("Width", Variant(100), "Position", key, source, autoUpdate,
                               shared::KSNumberEditor);
    }

    ole::Ptr<ListStandIn> list;
    ole::Ptr<CProperties> properties;
};

TEST_F(CPropertyTest, ColoursFallBackOnTheOwnerAndOnZeroWithoutOne) {
    auto property = properties->Add("Caption", Variant("x"));
    const Variant host(property);
    EXPECT_EQ(ole::GetProperty(host, "BackColor").AsI4(), kBackDefault);
    EXPECT_EQ(ole::GetPropertyById(host, CProperty::IdForeColor).AsI4(), kForeDefault);
    ole::LetProperty(host, "BackColor", Variant(255));
    EXPECT_EQ(property->GetBackColor(), 255);
    ole::LetPropertyById(host, CProperty::IdBackColor, Variant(-1));
    EXPECT_EQ(property->GetBackColor(), kBackDefault);
    EXPECT_EQ(list->changed.size(), 2u);

    // A host keeps the property while the list and the collection go away.
    properties.Reset();
    list.Reset();
    EXPECT_EQ(property->GetBackColor(), 0);
    EXPECT_EQ(ole::GetProperty(host, "ForeColor").AsI4(), 0);
    ole::LetProperty(host, "Bold", Variant(true));
    EXPECT_TRUE(property->GetBold());
    ole::LetProperty(host, "Value", Variant("y"));
    EXPECT_EQ(property->GetValue().AsString(), "y");
    EXPECT_EQ(property->FormattedText(), "y");
}

TEST_F(CPropertyTest, NotifiesOnlyVisibleChanges) {
    auto property = properties->Add("Caption", Variant("x"));
    const Variant host(property);
    ole::LetProperty(host, "Bold", Variant(false));
    EXPECT_TRUE(list->changed.empty()) << "Bold let to its current value";
    ole::LetProperty(host, "Value", Variant("x"));
    EXPECT_EQ(list->changed.size(), 1u) << "Value let always notifies";

    ole::LetPropertyById(host, ole::DISPID_VALUE, Variant("caption"));
    EXPECT_EQ(list->changed.size(), 2u);
    EXPECT_EQ(property->GetName(), "caption");
    EXPECT_EQ(property->GetInternalKey(), "_Caption");

    list->changed.clear();
    ole::LetProperty(host, "EditorType", Variant(int32_t{shared::KSDateEditor}));
    ole::LetProperty(host, "Tag", Variant(7));
    ole::LetProperty(host, "HelpFile", Variant("a.hlp"));
    ole::LetProperty(host, "HelpContext", Variant(3));
    ole::LetProperty(host, "EditorKey", Variant("k"));
    ole::LetProperty(host, "AutoUpdateSource", Variant(false));
    EXPECT_TRUE(list->changed.empty());
    ole::LetProperty(host, "Italic", Variant(true));
    ole::LetProperty(host, "ReadOnly", Variant(true));
    ole::LetProperty(host, "CustomDraw", Variant(true));
    ole::LetProperty(host, "Appearance", Variant(int32_t{ks3d}));
    ole::LetProperty(host, "Help", Variant("h"));
    ole::LetProperty(host, "Format", Variant("0.0"));
    ole::SetProperty(host, "Picture", Variant(ole::Picture::CreateEmpty()));
    EXPECT_EQ(list->changed.size(), 7u);

    // A listener that throws does not fail the change.
    list->onPropertyChanged = [](CProperty&) { ole::RaiseError(ole::ERR_INVALID_CALL); };
    EXPECT_NO_THROW(property->LetBold(true));
    EXPECT_TRUE(property->GetBold());
}

TEST_F(CPropertyTest, WritesBackToTheSourceAndKeepsWhatItReports) {
    auto source = Sizer::Create();
    auto width = AddWidth(source);
    const Variant host(width);

    ole::LetProperty(host, "Value", Variant(5000));
    EXPECT_EQ(width->GetValue().AsI4(), 1000) << "the clamped value read back";
    EXPECT_EQ(source->GetWidth(), 1000);
    EXPECT_EQ(list->changed.size(), 1u);

    // A refused value: the old value stays, nothing is notified, the source's error reaches the
    // caller unchanged.
    try {
        ole::LetPropertyById(host, CProperty::IdValue, Variant(-5));
        ADD_FAILURE() << "the refusal was swallowed";
    } catch (const ole::Error& error) {
        EXPECT_EQ(error.Number(), 380);
        EXPECT_EQ(error.Source(), "Sizer");
    }
    EXPECT_EQ(width->GetValue().AsI4(), 1000);
    EXPECT_EQ(source->GetWidth(), 1000);
    EXPECT_EQ(list->changed.size(), 1u);

    // Without automatic update the source is left alone.
    width->LetAutoUpdateSource(false);
    width->LetValue(Variant(-5));
    EXPECT_EQ(source->GetWidth(), 1000);
    EXPECT_EQ(width->GetValue().AsI4(), -5);
}

TEST_F(CPropertyTest, ReadBackFailureAndObjectWriteBack) {
    auto source = Sizer::Create();
    std::string key;
    auto echo = properties->Add("Echo", Variant(1), "", key, source, true, shared::ksTextEditor);
    EXPECT_EQ(ErrorOf([&] { echo->LetValue(Variant("new")); }), ole::ERR_INVALID_CALL);
    EXPECT_EQ(echo->GetValue().AsString(), "new") << "the source took it; only the read failed";
    EXPECT_TRUE(list->changed.empty());

    auto child =
        properties->Add("Child", Variant::Nothing(), "", key, source, true, shared::ksTextEditor);
    auto picture = ole::Picture::CreateEmpty();
    ole::SetProperty(Variant(child), "Value", Variant(picture));
    EXPECT_EQ(source->childSets, 1);
    EXPECT_TRUE(ole::Is(child->GetValue(), Variant(picture)));
    child->SetValue(Variant(picture));
    EXPECT_EQ(source->childSets, 1) << "the object already held never reaches the source";
    EXPECT_EQ(list->changed.size(), 1u);

    // A plain put of an object to Value is a set, by reference.
    auto other = ole::Picture::CreateEmpty();
    Variant args[] = {Variant(other)};
    child->Invoke(CProperty::IdValue, ole::DISPATCH_PROPERTYPUT, args);
    EXPECT_TRUE(ole::Is(child->GetValue(), Variant(other)));
    EXPECT_EQ(source->childSets, 2);
    Variant plain[] = {Variant(3)};
    EXPECT_EQ(
        ErrorOf([&] { child->Invoke(CProperty::IdValue, ole::DISPATCH_PROPERTYPUTREF, plain); }),
        ole::ERR_TYPE_MISMATCH);

    // Nothing over a plain value: the value becomes Nothing, silently, without write-back.
    auto width = AddWidth(source);
    list->changed.clear();
    width->SetValue(Variant::Nothing());
    EXPECT_TRUE(width->GetValue().IsNothing());
    EXPECT_TRUE(list->changed.empty());
    EXPECT_EQ(source->GetWidth(), 100);
}

TEST_F(CPropertyTest, SurvivesItsSourceAndAListClearedDuringWriteBack) {
    auto source = Sizer::Create();
    auto width = AddWidth(source);
    source->onWidth = [&] { properties->Clear(); };
    // Only the collection holds the property; the setter empties it while the write-back runs.
    CProperty* const held = width.Get();
    width.Reset();
    held->LetValue(Variant(7));
    EXPECT_EQ(properties->Count(), 0);
    EXPECT_EQ(source->GetWidth(), 7);
    EXPECT_EQ(list->changed, std::vector<std::string>{"Width"});

    source->onWidth = nullptr;
    auto property = AddWidth(source);
    const Variant host(property);
    source.Reset();
    EXPECT_TRUE(property->GetSourceObject() == nullptr);
    EXPECT_TRUE(ole::GetObjectProperty(host, "SourceObject").IsNothing());
    list->changed.clear();
    ole::LetProperty(host, "Value", Variant(-5));
    EXPECT_EQ(property->GetValue().AsI4(), -5) << "a dead source is no source";
    EXPECT_EQ(list->changed.size(), 1u);
}

TEST_F(CPropertyTest, BooleanItemsAreRebuiltOnEveryRead) {
    auto flag = properties->Add("Visible", Variant(true), "", shared::ksBooleanEditor);
    int modified = 0;
    auto sink = ole::EventSink::Create();
    sink->On(CListItems::ListModified, [&](std::span<Variant>) { ++modified; });
    const uint32_t cookie = ole::ConnectEvents(flag->GetListItems(), sink);
    const Variant host(flag);
    EXPECT_EQ(ole::GetProperty(host, "EditorType").AsI4(), shared::ksBooleanEditor);
    EXPECT_EQ(ole::GetPropertyById(host, CProperty::IdEditorType).AsI4(), shared::ksBooleanEditor);
    auto items = flag->GetListItems();
    ASSERT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Item(1)->GetText(), "True");
    EXPECT_EQ(items->Item(1)->GetValue().ValueType(), ole::VT_BOOL);
    EXPECT_TRUE(items->Item(1)->GetValue().AsBool());
    EXPECT_EQ(items->Item(2)->GetText(), "False");
    EXPECT_EQ(modified, 4);
    EXPECT_EQ(flag->FormattedText(), "True");
    EXPECT_EQ(flag->EditorTypeField(), shared::ksBooleanEditor);
    ole::DisconnectEvents(flag->GetListItems(), cookie);
}

TEST_F(CPropertyTest, EditorParametersIgnoreCaseAndBlanks) {
    auto file = properties->Add("Path", Variant("a"), "", shared::ksFileEditor);
    const Variant host(file);
    Variant args[] = {Variant(" filter "), Variant("*.txt")};
    ole::CallMethod(host, "SetEditorParam", args);
    Variant read[] = {Variant("FILTER")};
    EXPECT_EQ(ole::CallMethodById(host, CProperty::IdGetEditorParam, read).AsString(), "*.txt");
    EXPECT_EQ(file->GetEditorParam("InitialDir"), "");
    EXPECT_EQ(ErrorOf([&] { file->SetEditorParam("Filter", "*.doc"); }), ole::ERR_DUPLICATE_KEY);
    EXPECT_EQ(file->GetEditorParam("filter"), "*.txt");
    for (const char* name : {"", "   "}) {
        try {
            file->GetEditorParam(name);
            ADD_FAILURE() << "blank name accepted";
        } catch (const ole::Error& error) {
            EXPECT_EQ(error.Number(), static_cast<int32_t>(0x80040003));
            EXPECT_EQ(error.Description(), "Invalid key specified.");
            EXPECT_EQ(error.Source(), "Attrgrid");
        }
        EXPECT_EQ(ErrorOf([&] { file->SetEditorParam(name, "x"); }),
                  static_cast<int32_t>(0x80040003));
    }
}

TEST_F(CPropertyTest, FormattedTextOfEachEditor) {
    auto colour = properties->Add("Colour", Variant(255), "", shared::KSColorEditor);
    EXPECT_EQ(colour->FormattedText(), "&H000000FF&");
    colour->LetValue(Variant(static_cast<int32_t>(0x8000000F)));
    EXPECT_EQ(colour->FormattedText(), "&H8000000F&");
    colour->LetValue(Variant(4294967295.0));
    EXPECT_EQ(colour->FormattedText(), "&HFFFFFFFF&");
    colour->LetValue(Variant(2.5));
    EXPECT_EQ(colour->FormattedText(), "&H00000002&") << "half to even";
    colour->LetValue(Variant("abc"));
    EXPECT_EQ(colour->FormattedText(), "abc");
    colour->LetValue(Variant(1e12));
    EXPECT_EQ(colour->FormattedText(), "1000000000000");
    colour->LetValue(Variant::Null());
    EXPECT_EQ(colour->FormattedText(), "");
    colour->LetValue(Variant(255));
    colour->LetFormat("0.00");
    EXPECT_EQ(colour->FormattedText(), "255.00");

    auto choice = properties->Add("Choice", Variant(2), "", shared::KSListEditor);
    choice->GetListItems()->Add("one", Variant(1));
    choice->GetListItems()->Add("two", Variant(int16_t{2}));
    choice->LetFormat("0.00");
    EXPECT_EQ(choice->FormattedText(), "two") << "16-bit item value matches numerically";
    choice->LetValue(Variant(3));
    EXPECT_EQ(choice->FormattedText(), "");
    choice->LetValue(Variant("2"));
    EXPECT_EQ(choice->FormattedText(), "") << "text never equals a number";
    choice->LetValue(Variant::Null());
    EXPECT_EQ(choice->FormattedText(), "");

    auto picture = properties->Add("Icon", Variant::Nothing(), "", shared::ksPictureEditor);
    EXPECT_EQ(ole::GetProperty(Variant(picture), "FormattedText").AsString(), "(none)");
    picture->SetValue(Variant(ole::Picture::CreateEmpty()));
    EXPECT_EQ(picture->FormattedText(), "(none)");
    ole::Image pixels{1, 1, {0xFF0000FFu}};
    picture->SetValue(Variant(ole::Picture::FromImage(pixels, ole::PICTYPE_BITMAP)));
    EXPECT_EQ(picture->FormattedText(), "(Picture)");

    auto plain = properties->Add("Text", Variant::Null());
    EXPECT_EQ(plain->FormattedText(), "");
    plain->LetValue(Variant(1.5));
    EXPECT_EQ(plain->FormattedText(), "1.5");
    // An object without a default member gives an empty text instead of an error.
    plain->SetValue(Variant(Sizer::Create()));
    EXPECT_EQ(plain->FormattedText(), "");
}

TEST_F(CPropertyTest, CategorySeparatorIsReplacedCaseSensitively) {
    auto property = properties->Add("Left", Variant(1), "Layout|Position|posX");
    property->ReplaceCategorySeparator("|", "\\");
    EXPECT_EQ(property->GetCategory(), "Layout\\Position\\posX");
    property->ReplaceCategorySeparator("POS", "x");
    EXPECT_EQ(property->GetCategory(), "Layout\\Position\\posX");
    EXPECT_EQ(ole::GetPropertyById(Variant(property), CProperty::IdCategory).AsString(),
              "Layout\\Position\\posX");
}

} // namespace
} // namespace attrgrid::test
