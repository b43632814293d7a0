#include "ControlFixture.h"

#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/scrollbar/HScrollBar.h"
#include "platform/forms/controls/scrollbar/VScrollBar.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/ole/object/TypeName.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

namespace controlstest {
namespace {

class StandardControlsTest : public ControlTest {};

TEST_F(StandardControlsTest, CreatedByProgIdAndAddedToTheForm) {
    for (const char* progId :
         {"VB.PictureBox", "VB.Label", "VB.TextBox", "VB.VScrollBar", "VB.HScrollBar"}) {
        const ole::Ptr<ole::Object> created = ole::ClassRegistry::Create(progId);
        ASSERT_TRUE(created) << progId;
        EXPECT_EQ(ole::ClassIdOf(*created), progId);
    }
    const auto text = m_form->Add("VB.TextBox", "txtAdded");
    ASSERT_TRUE(ole::PtrCast<forms::TextBox>(text));
    EXPECT_TRUE(text->IsAlive());
    // Controls.Add sites hidden.
    EXPECT_FALSE(text->Visible());
    EXPECT_EQ(m_form->FindControl("TXTADDED").Get(), text.Get());
}

TEST_F(StandardControlsTest, TypeInformationLivesInTheVbLibrary) {
    const auto library = ole::TypeLibraryRegistry::FindByName("VB");
    ASSERT_TRUE(library);
    for (const ole::ClassInfo* info :
         {&forms::PictureBox::Info(), &forms::Label::Info(), &forms::TextBox::Info(),
          &forms::VScrollBar::Info(), &forms::HScrollBar::Info()}) {
        EXPECT_TRUE(library->FindClass(*info)) << info->Name();
        for (const ole::MemberInfo& member : info->Members()) {
            if (member.name.find("Color") != std::string::npos &&
                member.kind == ole::DISPATCH_PROPERTYGET) {
                EXPECT_EQ(member.returnType.name, "OLE_COLOR") << info->Name() << member.name;
            }
        }
    }
    // The common members answer to the shared ids.
    const auto label = forms::Label::Create();
    EXPECT_EQ(label->GetIDsOfNames("Visible"), static_cast<ole::DISPID>(0x80010007));
    EXPECT_EQ(label->GetIDsOfNames("Move"), static_cast<ole::DISPID>(0x80011002));
}

} // namespace
} // namespace controlstest
