#include "shared/util/EditorValue.h"
#include "testsupport/CleanPlatform.h"

#include "platform/ole/font/Font.h"
#include "platform/ole/picture/Picture.h"

using namespace shared;
using ole::Variant;
using testsupport::CleanPlatform;

using EditorValueTest = CleanPlatform;

TEST_F(EditorValueTest, ScalarTypesFollowTheLocaleFreeTests) {
    for (const int32_t type : {KSNumberEditor, KSColorEditor}) {
        EXPECT_TRUE(IsValidEditorValue(Variant("12"), type));
        EXPECT_TRUE(IsValidEditorValue(Variant::Empty(), type));
        EXPECT_FALSE(IsValidEditorValue(Variant("abc"), type));
        EXPECT_FALSE(IsValidEditorValue(Variant::Null(), type));
    }
    EXPECT_TRUE(IsValidEditorValue(Variant::Empty(), ksBooleanEditor));
    EXPECT_TRUE(IsValidEditorValue(Variant("TRUE"), ksBooleanEditor));
    EXPECT_TRUE(IsValidEditorValue(Variant(int32_t{2}), ksBooleanEditor));
    EXPECT_FALSE(IsValidEditorValue(Variant::Null(), ksBooleanEditor));
    EXPECT_FALSE(IsValidEditorValue(Variant("yes"), ksBooleanEditor));
    // An object never converts, even one whose default member would.
    EXPECT_FALSE(IsValidEditorValue(Variant(ole::Font::Create()), ksBooleanEditor));

    EXPECT_TRUE(IsValidEditorValue(Variant("1/2/2024"), KSDateEditor));
    EXPECT_FALSE(IsValidEditorValue(Variant(int32_t{5}), KSDateEditor));
    EXPECT_FALSE(IsValidEditorValue(Variant("2/30/2024"), KSDateEditor));
}

TEST_F(EditorValueTest, ObjectKindsAndTheTypesThatTakeAnything) {
    const Variant font(ole::Font::Create());
    const Variant picture(ole::Picture::CreateEmpty());

    EXPECT_TRUE(IsValidEditorValue(Variant::Nothing(), KSFontEditor));
    EXPECT_TRUE(IsValidEditorValue(font, KSFontEditor));
    EXPECT_FALSE(IsValidEditorValue(picture, KSFontEditor));
    EXPECT_TRUE(IsValidEditorValue(Variant::Nothing(), ksPictureEditor));
    EXPECT_TRUE(IsValidEditorValue(picture, ksPictureEditor));
    EXPECT_FALSE(IsValidEditorValue(font, ksPictureEditor));
    EXPECT_FALSE(IsValidEditorValue(Variant::Empty(), ksPictureEditor));

    for (const int32_t type : {ksFileEditor, KSDirectoryEditor}) {
        EXPECT_TRUE(IsValidEditorValue(Variant("c:\\x.txt"), type));
        EXPECT_FALSE(IsValidEditorValue(font, type));
        EXPECT_FALSE(IsValidEditorValue(Variant::Nothing(), type));
    }
    for (const int32_t type : {int32_t{ksCustomDialog}, int32_t{KSCustomEditor},
                               int32_t{ksTextEditor}, int32_t{KSListEditor}, 42})
        EXPECT_TRUE(IsValidEditorValue(font, type));
}
