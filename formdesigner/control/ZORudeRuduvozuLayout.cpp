// Layout files: the designer's keys and one nested bag per control (containers hold their
// children's bags) in one serialised property bag. Each step that fails is reported through
// DisplayError and the next step goes on, except a file that cannot be read at all: that is
// reported once and nothing is loaded.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/LateReads.h"
#include "formdesigner/layout/CPropertyBag.h"
#include "formdesigner/layout/ContainerChildren.h"
#include "formdesigner/layout/StoredControl.h"
#include "formdesigner/layout/StoredCount.h"
#include "formdesigner/library/LayoutdeskErrors.h"

#include "platform/forms/app/App.h"
#include "platform/forms/control/Control.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/menu/Menu.h"
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/DateParts.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ErrorDisplay.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/registry/ClassRegistry.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>

namespace layoutdesk {

namespace {

// Nesting deeper than this is refused, in a file read and in a layout saved (it would not load
// back): each level is a call.
constexpr int32_t kMaxLevel = 64;

std::string InfoKey(int32_t level, int32_t index) {
    return "ControlInfo_" + std::to_string(level) + "_" + std::to_string(index);
}

// Each counted control has an entry of its own in the bag, so a count beyond the entries is no
// file the designer wrote; loading it would report one missing control after another.
// A count that is no 16-bit number, or a negative one (a wrapped count), is as corrupt.
int16_t CountWithin(const CPropertyBag& bag, const ole::Variant& stored) {
    int16_t count = 0;
    try {
        count = ole::CInt(stored);
    } catch (const ole::Error&) {
        ole::RaiseError(ole::ERR_UNSUPPORTED_TYPE);
    }
    if (count < 0 || static_cast<size_t>(count) > bag.EntryCount())
        ole::RaiseError(ole::ERR_UNSUPPORTED_TYPE);
    return count;
}

// The host's keys go into their own name space for exactly one event.
class HostKeys {
public:
    explicit HostKeys(CPropertyBag& bag) : m_bag(bag) { m_bag.SetCustomMode(true); }
    ~HostKeys() { m_bag.SetCustomMode(false); }
    HostKeys(const HostKeys&) = delete;
    HostKeys& operator=(const HostKeys&) = delete;

private:
    CPropertyBag& m_bag;
};

// Index raises 343 for a control that is no element of a control array. A form control says so
// without the read: unwinding that error for every control was most of what a save cost.
std::optional<ole::Variant> ArrayIndexOf(const ole::Ptr<ole::Object>& control) {
    if (const auto* formControl = dynamic_cast<const forms::Control*>(control.Get()))
        if (!formControl->IsArrayElement())
            return std::nullopt;
    return TryRead(control, "Index");
}

ole::Variant Missing() {
    return ole::Variant::Missing();
}

class ForgetAtEnd {
public:
    explicit ForgetAtEnd(std::shared_ptr<const ContainerChildren>& held) : m_held(held) {}
    ~ForgetAtEnd() { m_held.reset(); }
    ForgetAtEnd(const ForgetAtEnd&) = delete;
    ForgetAtEnd& operator=(const ForgetAtEnd&) = delete;

private:
    std::shared_ptr<const ContainerChildren>& m_held;
};

// A host handler took the designer off its form in the middle of a save or a load. No control
// is reachable after that, so the call ends there instead of reporting every one that is left.
struct DesignerGone {};

} // namespace

void ZORudeRuduvozu::DisplayError(ole::Error error) {
    ole::Ptr<ZORudeRuduvozu> self(this);
    ++m_layoutErrors;
    // A runtime error comes from a call the designer made (a control it could not create, a member
    // a control lacks) and is the designer's own; an object's error keeps the object's source.
    const bool runtimeError = error.Number() > 0 && error.Number() <= 0xFFFF;
    if (runtimeError || error.Source().empty())
        error.SetSource(errors::kSource);
    std::array<ole::Variant, 3> args{ole::Variant(error.Description()),
                                     ole::Variant(error.Number()), ole::Variant(true)};
    RaiseEvent(EvDisplayError, args);
    bool showBox = true;
    ole::ResumeNext([&] { showBox = ole::CBool(args[2]); });
    if (showBox)
        ole::ResumeNext([&] {
            forms::MsgBox(forms::App::Component(kLibraryName), ole::FormatErrorForDisplay(error),
                          forms::vbOKOnly);
        });
}

bool ZORudeRuduvozu::LayoutStep(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const ole::Error& error) {
        DisplayError(error);
    }
    return false;
}

// ---- Saving ----

bool ZORudeRuduvozu::SaveLayout(const std::string& sFile) {
    ole::Ptr<ZORudeRuduvozu> self(this);
    // Counted from here, not from 0: a handler may save or load inside this call.
    const int64_t reported = m_layoutErrors;
    // The grouping holds the form's controls; it does not outlive the save.
    const ForgetAtEnd forget(m_saveChildren);
    const ole::Ptr<CPropertyBag> root = CPropertyBag::Create();
    const std::vector<ole::Ptr<ole::Object>> contained = ContainedSnapshot();
    // Every step reports and goes on, but a layout the file cannot hold (a count past 16 bits,
    // nesting deeper than a load reads) ends the save: what is left would load as a different
    // layout. Nothing is written then.
    try {
        const int16_t count = StoredCount::Of(contained.size());
        LayoutStep([&] {
            root->WriteProperty("FormDesignerVersion", ole::Variant(int16_t{1}), Missing());
        });
        LayoutStep([&] { root->WriteProperty("ControlCount", ole::Variant(count), Missing()); });
        LayoutStep([&] {
            root->WriteProperty("TimeStamp", ole::Variant::FromDate(ole::Now()), Missing());
        });
        {
            HostKeys host(*root);
            std::array<ole::Variant, 1> args{ole::Variant(ole::Ptr<ole::Object>(root))};
            RaiseEvent(EvSaveFormData, args);
        }
        for (int32_t i = 1; i <= count; ++i)
            SaveControls(contained[static_cast<size_t>(i - 1)], *root, i, 1);
    } catch (const ole::Error& error) {
        DisplayError(error);
        return false;
    } catch (const DesignerGone&) {
        return false;
    }
    // The whole image is built before the file is opened, so no stale tail stays behind.
    LayoutStep([&] { ole::LayoutFile::Write(sFile, root->Contents()); });
    return m_layoutErrors == reported;
}

void ZORudeRuduvozu::SaveControls(const ole::Ptr<ole::Object>& control, CPropertyBag& parent,
                                  int32_t index, int32_t level) {
    if (!FindForm())
        throw DesignerGone{};
    if (level > kMaxLevel)
        ole::RaiseError(ole::ERR_OVERFLOW);
    const ole::Ptr<CPropertyBag> bag = CPropertyBag::Create();
    const auto write = [&](const char* key, const std::function<ole::Variant()>& value) {
        LayoutStep([&] { bag->WriteProperty(key, value(), Missing()); });
    };
    const std::optional<ole::Variant> arrayIndex = ArrayIndexOf(control);
    bool indexed = false;
    ole::ResumeNext([&] { indexed = arrayIndex && ole::CLng(*arrayIndex) != -1; });
    const bool container = IsContainer(ole::Variant(control));
    write("IsIndexed", [&] { return ole::Variant(indexed); });
    write("IsContainer", [&] { return ole::Variant(container); });
    if (indexed)
        write("ControlIndex", [&] { return ole::Variant(ole::CInt(*arrayIndex)); });
    write("ControlType", [&] { return ole::Variant(ole::ClassIdOf(*control)); });
    write("ControlName", [&] { return ole::Variant(ole::CStr(ReadMember(control, "Name"))); });
    const bool line = IsLineControl(control);
    for (const char* key :
         line ? std::array{"X1", "Y1", "X2", "Y2"} : std::array{"Left", "Top", "Width", "Height"})
        write(key, [&] { return ole::Variant(ReadSingle(control, key)); });
    write("Visible", [&] { return ole::Variant(ole::CBool(ReadMember(control, "Visible"))); });
    {
        HostKeys host(*bag);
        std::array<ole::Variant, 2> args{ole::Variant(control),
                                         ole::Variant(ole::Ptr<ole::Object>(bag))};
        RaiseEvent(EvSaveControlData, args);
    }
    if (container) {
        int16_t children = 0;
        // The form's controls as they stand now, each tested for its container as the walk
        // reaches it; while nothing moves, the grouping answers that test for all of them.
        const std::shared_ptr<const ContainerChildren> walk = SaveChildren(FindForm());
        const std::vector<ole::Ptr<ole::Object>>& controls = walk->Controls();
        const std::span<const size_t> own = walk->Of(control.Get());
        for (size_t at = 0; at < controls.size(); ++at) {
            if (walk->Current()) {
                const auto next = std::lower_bound(own.begin(), own.end(), at);
                if (next == own.end())
                    break;
                at = *next;
            } else if (TryReadObject(controls[at], "Container").Get() != control.Get()) {
                continue;
            }
            children = StoredCount::Of(static_cast<size_t>(children) + 1);
            SaveControls(controls[at], *bag, children, level + 1);
        }
        write((InfoKey(level, index) + "_ChildCount").c_str(),
              [&] { return ole::Variant(children); });
    }
    LayoutStep([&] { parent.WriteProperty(InfoKey(level, index), bag->Contents(), Missing()); });
}

std::shared_ptr<const ContainerChildren>
ZORudeRuduvozu::SaveChildren(const ole::Ptr<ole::Object>& form) {
    if (!m_saveChildren || !m_saveChildren->Current(form)) {
        std::vector<ole::Ptr<ole::Object>> controls = FormControls(form);
        std::erase_if(controls, [](const ole::Ptr<ole::Object>& control) {
            return dynamic_cast<forms::Menu*>(control.Get()) ||
                   dynamic_cast<forms::Form*>(control.Get());
        });
        m_saveChildren = std::make_shared<const ContainerChildren>(
            form, std::move(controls), [](const ole::Ptr<ole::Object>& control) {
                return TryReadObject(control, "Container");
            });
    }
    return m_saveChildren;
}

// ---- Loading ----

bool ZORudeRuduvozu::LoadLayout(const std::string& sFile) {
    ole::Ptr<ZORudeRuduvozu> self(this);
    // Counted from here, not from 0: a handler may save or load inside this call.
    const int64_t reported = m_layoutErrors;
    const ole::Ptr<CPropertyBag> root = CPropertyBag::Create();
    int16_t count = 0;
    const bool read = LayoutStep([&] {
        const ole::Variant contents = ole::LayoutFile::Read(sFile);
        if (!contents.IsBytes())
            ole::RaiseError(ole::ERR_UNSUPPORTED_TYPE);
        root->SetContents(contents);
        count = CountWithin(*root, root->ReadProperty("ControlCount", ole::Variant(int16_t{0})));
    });
    if (!read)
        return false;
    {
        HostKeys host(*root);
        std::array<ole::Variant, 1> args{ole::Variant(ole::Ptr<ole::Object>(root))};
        RaiseEvent(EvLoadFormData, args);
    }
    try {
        for (int32_t i = 1; i <= count; ++i)
            LoadControls(ExtenderObject(), *root, i, 1);
    } catch (const DesignerGone&) {
        return false;
    }
    return m_layoutErrors == reported;
}

void ZORudeRuduvozu::LoadControls(const ole::Ptr<ole::Object>& container, CPropertyBag& parent,
                                  int32_t index, int32_t level) {
    if (!FindForm())
        throw DesignerGone{};
    // A container its host removed while it loaded takes its subtree with it, as one that could
    // not be made does: there is nothing left to load the children into.
    if (IsFormControl(container) && !TryRead(container, "Name"))
        return;
    const ole::Ptr<CPropertyBag> bag = CPropertyBag::Create();
    StoredControl stored;
    // A subtree nested too deep, or an entry that is no bag or holds a wrongly typed value, is
    // reported once and skipped.
    const bool readable = LayoutStep([&] {
        if (level > kMaxLevel)
            ole::RaiseError(ole::ERR_UNSUPPORTED_TYPE);
        const ole::Variant entry =
            parent.TakeProperty(InfoKey(level, index), ole::Variant(std::string()));
        if (entry.IsString() && entry.AsString().empty())
            return;
        if (!entry.IsBytes())
            ole::RaiseError(ole::ERR_UNSUPPORTED_TYPE);
        bag->SetContents(entry);
        stored = StoredControl::Read(*bag);
    });
    if (!readable)
        return;
    std::array<ole::Variant, 5> create{ole::Variant(stored.type), ole::Variant(stored.name),
                                       ole::Variant(container), ole::Variant(int32_t{stored.index}),
                                       ole::Variant(ole::Ptr<ole::Object>())};
    RaiseEvent(EvCreateControl, create);
    ole::Ptr<ole::Object> control;
    if (create[4].Deref().IsObject())
        control = create[4].Deref().AsObject();
    if (!control) {
        LayoutStep([&] {
            const ole::Variant controls =
                ole::GetObjectProperty(ole::Variant(FindForm()), "Controls");
            std::array<ole::Variant, 3> add{ole::Variant(stored.type), ole::Variant(stored.name),
                                            ole::Variant(container)};
            control = ole::CallMethod(controls, "Add", add).AsObject();
        });
    }
    // A control that could not be made has been reported; its data and children go with it.
    if (!control)
        return;
    if (IsLineControl(control)) {
        size_t i = 0;
        for (const char* key : {"X1", "Y1", "X2", "Y2"}) {
            const float end = stored.ends[i++];
            LayoutStep([&] { WriteMember(control, key, ole::Variant(end)); });
        }
    } else {
        LayoutStep([&] {
            std::array<ole::Variant, 4> move{};
            for (size_t i = 0; i < move.size(); ++i)
                move[i] = ole::Variant(stored.place[i]);
            ole::CallMethod(ole::Variant(control), "Move", move);
        });
    }
    LayoutStep([&] { WriteMember(control, "Visible", ole::Variant(stored.visible)); });
    {
        HostKeys host(*bag);
        std::array<ole::Variant, 2> args{ole::Variant(control),
                                         ole::Variant(ole::Ptr<ole::Object>(bag))};
        RaiseEvent(EvLoadControlData, args);
    }
    if (!stored.container)
        return;
    int16_t children = 0;
    LayoutStep([&] {
        children = CountWithin(*bag, bag->ReadProperty(InfoKey(level, index) + "_ChildCount",
                                                       ole::Variant(int16_t{0})));
    });
    for (int32_t j = 1; j <= children; ++j)
        LoadControls(control, *bag, j, level + 1);
}

} // namespace layoutdesk
