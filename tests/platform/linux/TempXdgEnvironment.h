#pragma once
#include <map>
#include <optional>
#include <string>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace solvane::linuxos::testing {

// Sets environment variables for the life of the object and puts the old values back.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (const auto& [name, old] : saved_) {
            if (old)
                qputenv(name.c_str(), *old);
            else
                qunsetenv(name.c_str());
        }
    }
    void set(const char* name, const QString& value) {
        remember(name);
        qputenv(name, value.toUtf8());
    }
    void unset(const char* name) {
        remember(name);
        qunsetenv(name);
    }

private:
    void remember(const char* name) {
        if (saved_.count(name) == 0)
            saved_[name] = qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt;
    }
    std::map<std::string, std::optional<QByteArray>> saved_;
};

// Fresh XDG folders in a temporary folder, so that no test touches the real home.
class TempXdgEnvironment {
public:
    TempXdgEnvironment() {
        environment_.set("HOME", path("home"));
        environment_.set("XDG_CONFIG_HOME", path("config"));
        environment_.set("XDG_CONFIG_DIRS", path("etc-xdg") + QStringLiteral(":/etc/xdg"));
        environment_.set("XDG_STATE_HOME", path("state"));
        environment_.set("XDG_RUNTIME_DIR", path("runtime"));
        environment_.set("TMPDIR", path("tmp"));
        QDir().mkpath(path("home"));
        QDir().mkpath(path("tmp"));
        QDir().mkpath(path("runtime"));
        QFile::setPermissions(path("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    // A path inside the temporary folder.
    QString path(const QString& relative) const { return root_.path() + QLatin1Char('/') + relative; }
    QString path(const char* relative) const { return path(QString::fromUtf8(relative)); }
    ScopedEnvironment& environment() { return environment_; }

private:
    QTemporaryDir root_;
    ScopedEnvironment environment_;
};

}  // namespace solvane::linuxos::testing
