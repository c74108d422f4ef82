#include "platform/linux/JsonStoreFile.h"

#include <cerrno>
#include <utility>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/JsonNumberLiterals.h"
#include "platform/linux/JsonStoreLock.h"
#include "platform/linux/JsonUtf8Mending.h"

namespace solvane::linuxos {

namespace {

// A settings file is a few kilobytes; anything far larger is not one of ours.
constexpr qint64 maximumFileBytes = qint64{16} * 1024 * 1024;

// A writer writes the new content to "<file>.saving-" and six random letters or digits,
// then renames that copy over the file.
constexpr QLatin1String copyInfix(".saving-");
constexpr qsizetype copyRandomLength = 6;

QString randomLettersAndDigits() {
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString letters;
    for (qsizetype i = 0; i < copyRandomLength; ++i)
        letters += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int{sizeof alphabet - 1})]);
    return letters;
}

bool isCopyName(const QString& name, const QString& prefix) {
    if (name.size() != prefix.size() + copyRandomLength || !name.startsWith(prefix)) return false;
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))) return false;
    }
    return true;
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

std::optional<JsonStoreContent> parseJsonStoreBytes(const QByteArray& bytes) {
    if (bytes.size() > maximumFileBytes) return std::nullopt;
    JsonStoreContent content;
    QByteArray text = bytes;
    QJsonParseError error{};
    QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error == QJsonParseError::IllegalUTF8String) {
        text = replaceInvalidUtf8InStrings(bytes);
        document = QJsonDocument::fromJson(text, &error);
        content.mended = true;
    }
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    content.state = JsonStoreContent::State::Loaded;
    content.values = document.object();
    content.integerLiterals = topLevelIntegerLiterals(text);
    return content;
}

bool folderExistsOrCanBeCreated(const QString& folder) {
    const QString wanted = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QString nearest = wanted;
    while (!QFileInfo::exists(nearest) && !QFileInfo(nearest).isSymLink()) {
        const QString parent = QFileInfo(nearest).absolutePath();
        if (parent == nearest) break;
        nearest = parent;
    }
    if (!QFileInfo(nearest).isDir()) return false;
    return nearest == wanted || ::access(QFile::encodeName(nearest).constData(), W_OK | X_OK) == 0;
}

JsonStoreFile::JsonStoreFile(QString path, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), lockWait_(lockWait) {}

JsonStoreContent JsonStoreFile::readCurrent() const {
    JsonStoreContent content;
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink()) return content;  // Missing
    // Only a regular file is opened: reading a FIFO or a device could block forever.
    QFile file(path_);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        content.state = JsonStoreContent::State::Unreadable;
        return content;
    }
    // QIODevice::read reserves the whole maximum up front, so never ask for more than is there.
    const QByteArray bytes = file.read(qMin(file.size(), maximumFileBytes + 1));
    if (file.error() != QFileDevice::NoError) {
        content.state = JsonStoreContent::State::Unreadable;
        return content;
    }
    if (std::optional<JsonStoreContent> parsed = parseJsonStoreBytes(bytes)) return *parsed;
    content.state = JsonStoreContent::State::Broken;
    return content;
}

JsonStoreContent JsonStoreFile::load() const { return readCurrent(); }

bool JsonStoreFile::keepCopyAside() const {
    // Never deleted: the user may want to repair it by hand.
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString base = path_ + QStringLiteral(".corrupt-") + stamp;
    const QByteArray source = QFile::encodeName(path_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString target = attempt == 0 ? base : base + QLatin1Char('-') + QString::number(attempt);
        // A second name keeps the file as it is when the file's own name gets the new content.
        if (::link(source.constData(), QFile::encodeName(target).constData()) == 0) return true;
        if (errno == EEXIST) continue;
        return QFile::copy(path_, target);  // a file system without hard links
    }
    return false;
}

void JsonStoreFile::removeAbandonedCopies() const {
    // Every writer holds the lock from before it makes its copy until the copy is renamed
    // or removed, so a copy found under the lock belongs to a writer that was killed.
    const QFileInfo file(path_);
    const QString prefix = file.fileName() + copyInfix;
    const QDir folder(file.absolutePath());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (isCopyName(name, prefix)) QFile::remove(folder.filePath(name));
    }
}

bool JsonStoreFile::replaceWith(const QByteArray& bytes) const {
    QByteArray copy;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        copy = QFile::encodeName(path_ + copyInfix + randomLettersAndDigits());
        fd = ::open(copy.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    const QByteArray target = QFile::encodeName(path_);
    // The copy takes the permissions of the file it replaces; a new file those of the umask.
    struct stat existing {};
    bool done = ::stat(target.constData(), &existing) != 0 || ::fchmod(fd, existing.st_mode & 07777) == 0;
    done = done && writeAll(fd, bytes) && ::fsync(fd) == 0;
    done = ::close(fd) == 0 && done;
    done = done && ::rename(copy.constData(), target.constData()) == 0;
    if (!done) ::unlink(copy.constData());
    return done;
}

JsonStoreFile::Publication JsonStoreFile::publish(const JsonStoreChanges& changes) {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return Publication::Failed;
    JsonStoreLock lock(path_ + QStringLiteral(".lock"));
    switch (lock.tryLock(lockWait_)) {
    case JsonStoreLock::Result::Acquired:
        break;
    case JsonStoreLock::Result::Busy:
        return Publication::Busy;
    case JsonStoreLock::Result::Failed:
        return Publication::Failed;
    }
    removeAbandonedCopies();
    JsonStoreContent current = readCurrent();
    if (current.state == JsonStoreContent::State::Unreadable)
        return Publication::Failed;  // what cannot be read must not be overwritten
    if ((current.state == JsonStoreContent::State::Broken || current.mended) && !keepCopyAside())
        return Publication::Failed;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (it.value())
            current.values.insert(it.key(), *it.value());
        else
            current.values.remove(it.key());
    }
    const QByteArray bytes = QJsonDocument(current.values).toJson(QJsonDocument::Indented);
    return replaceWith(bytes) ? Publication::Published : Publication::Failed;
}

}  // namespace solvane::linuxos
