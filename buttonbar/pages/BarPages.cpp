#include "buttonbar/pages/BarPages.h"

#include "buttonbar/pages/AppearancePage.h"
#include "buttonbar/pages/ButtonsPage.h"
#include "buttonbar/pages/GroupsPage.h"
#include "buttonbar/pages/PositionPage.h"

#include "platform/ole/registry/ClassRegistry.h"

#include <array>

namespace shelfstrip {

namespace {

template <class Page>
ole::Ptr<ole::Object> CreatePage() {
    return ole::Ptr<ole::Object>(ole::MakeObject<Page>());
}

const auto kPages = std::to_array<PageClass>({
    {pages::kAppearance, &AppearancePage::Info, &CreatePage<AppearancePage>},
    {pages::kPosition, &PositionPage::Info, &CreatePage<PositionPage>},
    {pages::kGroups, &GroupsPage::Info, &CreatePage<GroupsPage>},
    {pages::kButtons, &ButtonsPage::Info, &CreatePage<ButtonsPage>},
});

} // namespace

std::span<const PageClass> PageClasses() {
    return kPages;
}

void RegisterPages() {
    for (const PageClass& page : kPages)
        ole::RegisterClass(page.identity.progId, page.info().ClassId(), page.create, &page.info());
}

} // namespace shelfstrip
