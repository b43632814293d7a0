#pragma once

// A stand-in control for the model: it records every notification the model sends ("GroupAdded
// INTERNAL_1", "ButtonPropertyChanged Caption") and answers key changes from its own groups, as
// the control does. The fixture owns the stand-in and its groups.

#include "buttonbar/model/CButtonListener.h"
#include "buttonbar/model/CButtons.h"
#include "buttonbar/model/CGroupListener.h"
#include "buttonbar/model/CGroups.h"

#include "testsupport/CleanPlatform.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/picture/Picture.h"
#include "platform/ole/picture/PictureType.h"

#include <string>
#include <vector>

namespace shelfstrip {

// Reaches what the automation surface does not show.
struct ModelTestAccess {
    static void SetCounter(CButtons& buttons, int32_t value) { buttons.m_items.m_counter = value; }
};

namespace test {

class StandInBar : public ole::Object, public CGroupListener, public CButtonListener {
public:
    static ole::Ptr<StandInBar> Create() { return ole::MakeObject<StandInBar>(); }
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<StandInBar>("StandInBar").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    std::vector<std::string> heard;
    ole::Ptr<CGroups> groups;

    void GroupAdded(const ole::Ptr<CGroup>& g) override { Hear("GroupAdded", g->InternalKey()); }
    void GroupRemoved(const ole::Ptr<CGroup>& g) override {
        Hear("GroupRemoved", g->InternalKey());
    }
    void GroupPropertyChanged(const ole::Ptr<CGroup>&, const std::string& name) override {
        Hear("GroupPropertyChanged", name);
    }
    bool GroupKeyChanged(const ole::Ptr<CGroup>& g, const std::string& newKey,
                         const std::string& oldKey) override {
        return groups->ChangeKey(*g, newKey, oldKey);
    }
    void GroupReIndexed(const ole::Ptr<CGroup>& g) override {
        Hear("GroupReIndexed", g->InternalKey());
    }
    void ButtonAdded(const ole::Ptr<CButton>& b) override { Hear("ButtonAdded", b->InternalKey()); }
    void ButtonRemoved(const ole::Ptr<CButton>& b) override {
        Hear("ButtonRemoved", b->InternalKey());
    }
    void ButtonPropertyChanged(const ole::Ptr<CButton>&, const std::string& name) override {
        Hear("ButtonPropertyChanged", name);
    }
    void ButtonReIndexed(const ole::Ptr<CButton>& b) override {
        Hear("ButtonReIndexed", b->InternalKey());
    }
    void ButtonsCleared(const ole::Ptr<CGroup>& g) override {
        Hear("ButtonsCleared", g->InternalKey());
    }

private:
    StandInBar() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);
    void Hear(const char* what, const std::string& detail) {
        heard.push_back(std::string(what) + " " + detail);
    }
};

class ModelFixture : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        m_bar = StandInBar::Create();
        m_bar->groups = CGroups::Create(ole::Ptr<ole::Object>(m_bar));
    }
    void TearDown() override {
        if (m_bar)
            m_bar->groups = nullptr;
        m_bar = nullptr;
        CleanPlatform::TearDown();
    }

    static ole::Ptr<ole::Picture> Bitmap() {
        return ole::Picture::FromImage(ole::Image{2, 2, std::vector<uint32_t>(4, 0xFF000000)},
                                       ole::PICTYPE_BITMAP);
    }
    CGroups& Groups() { return *m_bar->groups; }
    std::vector<std::string> Heard() {
        std::vector<std::string> heard;
        heard.swap(m_bar->heard);
        return heard;
    }

    ole::Ptr<StandInBar> m_bar;
};

} // namespace test
} // namespace shelfstrip
