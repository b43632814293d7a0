#include "DesignerLayout.h"

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "platform/base/ByteWriter.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/win/WinConstants.h"
#include "platform/win/test/TestApi.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <unistd.h>

namespace fuzz {

namespace {

using layoutdesk::ZORudeRuduvozu;

// Clears bShowMsgBox of every DisplayError, as a host that shows its own message does.
class QuietHost final : public ole::Object {
public:
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info = ole::ClassBuilder<QuietHost>("QuietHost").Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    bool HasMember(ole::DISPID) const override { return true; }
    ole::Variant Invoke(ole::DISPID id, uint16_t, std::span<ole::Variant> args) override {
        if (id == ZORudeRuduvozu::EvDisplayError && args.size() == 3)
            args[2].Deref() = ole::Variant(false);
        return {};
    }
};

// One file per process: the corpus run of a test build, the engine's jobs and other builds on the
// same machine must not read each other's inputs.
std::string TempPath() {
    const std::string name = "layoutdesk-fuzz-" + std::to_string(getpid()) + ".ksf";
    return (std::filesystem::temp_directory_path() / name).string();
}

// Runs `work` on a designer hosted and shown on a fresh form.
template <class F>
void WithDesigner(F&& work) {
    win::test::resetPlatform();
    ZORudeRuduvozu::Register();
    {
        forms::test::TestHost host;
        const auto extender = host.Host(ZORudeRuduvozu::kProgId, "Designer1", {10, 10, 310, 210});
        ole::ConnectEvents(ole::Ptr<ole::Object>(extender), ole::MakeObject<QuietHost>());
        host.Show();
        work(host, extender, *ole::PtrCast<ZORudeRuduvozu>(extender->Inner()));
    }
    (void)ole::TakeReportedErrors();
    win::test::resetPlatform();
}

std::vector<uint8_t> FileWithContents(const std::vector<uint8_t>& contents) {
    return ole::LayoutFile::Build(contents);
}

// An empty root bag naming its control count twice, in two spellings.
std::vector<uint8_t> BagWithNameTwice() {
    base::ByteWriter out;
    out.Text("PBG1");
    out.U16(1);
    out.U32(2);
    for (const std::string_view name : {"INT_ControlCount", "int_controlcount"}) {
        out.U16(static_cast<uint16_t>(name.size()));
        out.Text(name);
        out.U16(ole::VT_EMPTY);
    }
    return out.Take();
}

// A root bag counting 40 controls and holding none of them.
std::vector<uint8_t> BagCountingMissingControls(int16_t count) {
    const auto bag = ole::PropertyBag::Create();
    bag->WriteProperty("INT_ControlCount", ole::Variant(count), ole::Variant::Missing());
    return bag->ToBytes();
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

void LoadDesignerLayout(std::span<const uint8_t> file) {
    const std::string path = TempPath();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    // What loaded is then designed: selected, painted, nudged and aligned, so that stored
    // geometry reaches those paths as well.
    WithDesigner([&](auto&, auto&, ZORudeRuduvozu& designer) {
        designer.LoadLayout(path);
        const auto controls = designer.ContainedControls();
        if (controls.empty())
            return;
        designer.LetMode(layoutdesk::ksModeSelect);
        for (const auto& control : controls)
            designer.SelectControl(ole::Variant(ole::Ptr<ole::Object>(control)));
        win::test::pump();
        ole::ResumeNext([&] { designer.NudgeSelection(win::VK_RIGHT); });
        ole::ResumeNext([&] { designer.AlignSelectedControls(layoutdesk::ksAlignGrid); });
    });
    std::filesystem::remove(path);
}

std::vector<std::vector<uint8_t>> DesignerLayoutFiles() {
    const std::string path = TempPath();
    std::vector<std::vector<uint8_t>> files;
    WithDesigner([&](forms::test::TestHost& host, const auto& extender, ZORudeRuduvozu& designer) {
        designer.SaveLayout(path);
        files.push_back(ReadAll(path));
        forms::Form& form = host.GetForm();
        const ole::Ptr<ole::Object> surface(extender);
        auto frame = form.Add("VB.Frame", "Frame1", surface);
        form.Add("VB.CommandButton", "Command1", ole::Ptr<ole::Object>(frame));
        form.Add("VB.CommandButton", "Command2", ole::Ptr<ole::Object>(frame));
        form.Add("VB.Line", "Line1", surface);
        designer.SaveLayout(path);
        files.push_back(ReadAll(path));
    });
    std::filesystem::remove(path);
    const std::vector<uint8_t> full = files.back();
    files.push_back({});
    files.push_back({full.begin(), full.begin() + 5});
    files.push_back({full.begin(), full.begin() + 7});
    files.push_back({full.begin(), full.end() - 5});
    const auto patched = [&](size_t offset, uint8_t value) {
        std::vector<uint8_t> file = full;
        file[offset] = value;
        files.push_back(file);
    };
    patched(0, 0x08);
    patched(1, 0x00);  // type 0x0011
    patched(2, 2);     // two dimensions
    patched(16, 2);    // bag version 2
    patched(24, 0xC3); // a name that is not UTF-8
    files.push_back(FileWithContents(BagWithNameTwice()));
    files.push_back(FileWithContents(BagCountingMissingControls(40)));
    files.push_back(FileWithContents(BagCountingMissingControls(-32768))); // a wrapped count
    std::vector<uint8_t> trailing(full.begin() + 12, full.end());
    trailing.push_back(0);
    files.push_back(FileWithContents(trailing));
    return files;
}

} // namespace fuzz
