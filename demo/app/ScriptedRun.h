#pragma once

#include <string>

namespace sampledesk {

class Sampledesk;

// A short run without a person at the screen: the start-up notice is answered, a command button
// is put on the designer, clicked to show its properties and given a new caption through the
// properties window, and the windows are written as PNGs before and after into `folder`.
class ScriptedRun {
public:
    explicit ScriptedRun(std::string folder) : m_folder(std::move(folder)) {}

    // The files written, one per line; throws when a capture cannot be written.
    std::string Run(Sampledesk& program);

private:
    void Shoot(Sampledesk& program, const std::string& stage);

    std::string m_folder;
    std::string m_written;
};

} // namespace sampledesk
