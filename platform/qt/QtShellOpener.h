#pragma once
#include <QUrl>

#include "platform/SystemServices.h"

namespace solvane::qt {

// The address that opens a target: a web address (anything with a scheme) stays as
// it is, anything else is a local file.
QUrl urlForTarget(const std::string& target);

// Opens files and web addresses with the desktop's default handler.
class QtShellOpener : public platform::ShellOpener {
public:
    void open(const std::string& target) override;
};

}  // namespace solvane::qt
