#pragma once

#include "platform/forms/app/App.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

namespace forms {

// App as late-bound code sees it: a fresh automation object over one component's App, made on
// request (the App itself lives as long as the process, so nothing here dangles).
class AppObject : public ole::Object {
public:
    static ole::Ptr<AppObject> For(App& app);

    std::string GetTitle() const { return m_app->Title(); }
    void SetTitle(std::string title) { m_app->SetTitle(std::move(title)); }
    std::string GetEXEName() const { return m_app->EXEName(); }
    std::string GetPath() const { return m_app->Path(); }
    int16_t GetMajor() const { return m_app->Major(); }
    int16_t GetMinor() const { return m_app->Minor(); }
    int16_t GetRevision() const { return m_app->Revision(); }
    int32_t GetHInstance() const { return m_app->hInstance(); }
    std::string GetHelpFile() const { return m_app->HelpFile(); }
    void SetHelpFile(std::string helpFile) { m_app->SetHelpFile(std::move(helpFile)); }

    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

private:
    explicit AppObject(App& app) : m_app(&app) {}
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    App* m_app;
};

// Screen as late-bound code sees it.
class ScreenObject : public ole::Object {
public:
    static ole::Ptr<ScreenObject> Create();

    float GetTwipsPerPixelX() const;
    float GetTwipsPerPixelY() const;
    float GetWidth() const;
    float GetHeight() const;

    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
};

} // namespace forms
