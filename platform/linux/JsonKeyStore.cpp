#include "platform/linux/JsonKeyStore.h"

#include <QFileInfo>
#include <QStringList>

#include "platform/linux/JsonStoreKey.h"
#include "platform/linux/XdgFolders.h"

namespace solvane::linuxos {

JsonKeyStore::JsonKeyStore(std::chrono::milliseconds lockWait) : lockWait_(lockWait) {}

JsonKeyStore::~JsonKeyStore() {
    for (auto it = deferred_->cbegin(); it != deferred_->cend(); ++it)
        JsonStoreFile(it.key(), lockWait_ * 10).publish(it.value());
}

std::optional<QString> JsonKeyStore::keyFilePath(platform::StoreRoot root, const std::string& path) {
    QStringList components = QString::fromStdString(path).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    // "Software" is where every program keeps its keys; the XDG folders are that already.
    if (components.size() > 1 && components.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        components.removeFirst();
    if (components.isEmpty()) return std::nullopt;
    for (const QString& component : components) {
        if (component == QLatin1String(".") || component == QLatin1String("..") ||
            component.contains(QLatin1Char('/')) || component.contains(QChar(0)))
            return std::nullopt;
    }
    const QString base = root == platform::StoreRoot::CurrentUser ? xdgConfigHome() : xdgFirstConfigDir();
    return base + QLatin1Char('/') + components.join(QLatin1Char('/')) + QStringLiteral(".json");
}

std::unique_ptr<platform::StoreKey> JsonKeyStore::open(platform::StoreRoot root, const std::string& path) {
    const std::optional<QString> file = keyFilePath(root, path);
    if (!file || !folderExistsOrCanBeCreated(QFileInfo(*file).absolutePath())) return nullptr;
    return std::make_unique<JsonStoreKey>(*file, lockWait_, deferred_);
}

}  // namespace solvane::linuxos
