#include "platform/forms/app/AppObject.h"

#include "platform/forms/app/Screen.h"
#include "platform/ole/dispatch/ClassBuilder.h"

namespace forms {

ole::Ptr<AppObject> AppObject::For(App& app) {
    return ole::MakeObject<AppObject>(app);
}

const ole::ClassInfo& AppObject::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<AppObject>("App")
            .Library("VB")
            .Property("Title", 1, &AppObject::GetTitle, &AppObject::SetTitle)
            .Get("EXEName", 2, &AppObject::GetEXEName)
            .Get("Path", 3, &AppObject::GetPath)
            .Get("Major", 4, &AppObject::GetMajor)
            .Get("Minor", 5, &AppObject::GetMinor)
            .Get("Revision", 6, &AppObject::GetRevision)
            .Get("hInstance", 7, &AppObject::GetHInstance)
            .Property("HelpFile", 8, &AppObject::GetHelpFile, &AppObject::SetHelpFile)
            .Build();
    return info;
}

ole::Ptr<ScreenObject> ScreenObject::Create() {
    return ole::MakeObject<ScreenObject>();
}

float ScreenObject::GetTwipsPerPixelX() const {
    return Screen::TwipsPerPixelX();
}

float ScreenObject::GetTwipsPerPixelY() const {
    return Screen::TwipsPerPixelY();
}

float ScreenObject::GetWidth() const {
    return Screen::Width();
}

float ScreenObject::GetHeight() const {
    return Screen::Height();
}

const ole::ClassInfo& ScreenObject::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<ScreenObject>("Screen")
            .Library("VB")
            .Get("TwipsPerPixelX", 1, &ScreenObject::GetTwipsPerPixelX)
            .Get("TwipsPerPixelY", 2, &ScreenObject::GetTwipsPerPixelY)
            .Get("Width", 3, &ScreenObject::GetWidth)
            .Get("Height", 4, &ScreenObject::GetHeight)
            .Build();
    return info;
}

} // namespace forms
