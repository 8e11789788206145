// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "platform/qt/settings_profile.h"

#include <algorithm>
#include <limits>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/qt/settings_lock.h"
#include "posix/regular_file.h"

#include "text/text_marks.h"

namespace {

QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

// Slashes and backslashes separate groups in QSettings keys, so a name holding one
// would address some other value.
bool IsPlainName(std::u16string_view name) {
    return name.find_first_of(u"/\\") == std::u16string_view::npos;
}

// INI files give numbers back as text, the cache of a fresh write as numbers.
std::optional<uint32_t> ToUint32(const QVariant& value) {
    bool ok = false;
    qulonglong number = 0;
    switch (value.typeId()) {
        case QMetaType::QString:
            number = value.toString().toULongLong(&ok, 10);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong: {
            const qlonglong signedNumber = value.toLongLong(&ok);
            ok = ok && signedNumber >= 0;
            number = static_cast<qulonglong>(signedNumber);
            break;
        }
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            number = value.toULongLong(&ok);
            break;
        default:
            return std::nullopt;
    }
    if (!ok || number > std::numeric_limits<uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(number);
}

// Whether QSettings reads the INI line as the line it is: empty, a comment, a group
// header or key=value.
bool IsWholeIniLine(QByteArrayView line) {
    while (!line.isEmpty() && (line.front() == ' ' || line.front() == '\t')) {
        line = line.sliced(1);
    }
    if (line.isEmpty() || line.front() == ';') {
        return true;
    }
    bool inQuotes = false;
    bool hasEquals = false;
    qsizetype end = 0;
    for (; end < line.size(); ++end) {
        const char c = line[end];
        if (c == '\\' && ++end == line.size()) {
            return false;  // joins the next line to this one
        }
        if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == '=' && !inQuotes) {
            hasEquals = true;
        } else if (c == ';' && !inQuotes) {
            break;  // the rest is a comment
        }
    }
    if (inQuotes) {
        return false;  // runs on over the lines below, group headers included
    }
    if (line.front() == '[') {
        return line.first(end).contains(']');
    }
    // A key path ("FastestTimes\a=...") can name a value that a group names as well, and
    // QSettings may then write back the spelling it was not reading.
    const QByteArrayView name = line.first(line.indexOf('=') < 0 ? 0 : line.indexOf('='));
    return hasEquals && !name.contains('\\') && !name.contains('/');
}

// Whether QSettings may open the file: a missing one reads as empty, but a pipe would
// block the open, and a device or a huge file would be read without end.
bool MayRead(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return true;  // nothing there, or nothing that can be opened either
    }
    return S_ISREG(info.st_mode) && info.st_size <= cSettingsProfile::kMaxFileSize;
}

// The bytes of the file; empty when it does not exist, nothing when it may not be read.
std::optional<QByteArray> ReadBytes(const QString& path) {
    cRegularFile file;
    if (!file.Open(path.toStdU16String())) {
        return QFileInfo::exists(path) ? std::nullopt : std::optional(QByteArray());
    }
    QByteArray bytes(cSettingsProfile::kMaxFileSize + 1, Qt::Uninitialized);
    const ptrdiff_t size = file.ReadFullyAt(0, reinterpret_cast<unsigned char*>(bytes.data()),
                                            static_cast<size_t>(bytes.size()));
    if (size < 0 || size > cSettingsProfile::kMaxFileSize) {
        return std::nullopt;
    }
    bytes.truncate(size);
    return bytes;
}

// QSettings writes back only what it has read, so a line it misreads (a quote left open
// swallows the lines below it, a trailing backslash joins the next line, a line without
// "=" is dropped) would be lost on the next write, with any fastest times in it. Such a
// file is left as it is for the user to repair; so is one that cannot be read.
bool IsSafeToRewrite(const QString& path) {
    std::optional<QByteArray> text = ReadBytes(path);
    if (!text) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(text->constData());
    if (StartsWithUtf8Mark({bytes, static_cast<size_t>(text->size())})) {
        text->remove(0, 3);
    }
    text->replace('\r', '\n');
    const QList<QByteArray> lines = text->split('\n');
    return std::all_of(lines.begin(), lines.end(),
                       [](const QByteArray& line) { return IsWholeIniLine(line); });
}

qint64 ModificationMs(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return -1;
    }
    return qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
}

// QSettings keeps what it has read of a file and reads it again only when its size or its
// modification time, in milliseconds, has changed. Another instance could then compare a
// new record with a stale one. Each write therefore moves the time on by at least 1 ms.
void MakeChangeVisible(const QString& path, qint64 msBefore) {
    const qint64 msAfter = ModificationMs(path);
    if (msBefore < 0 || msAfter < 0 || msAfter > msBefore) {
        return;
    }
    const qint64 ms = msBefore + 1;
    const struct timespec times[2] = {{0, UTIME_OMIT},
                                      {static_cast<time_t>(ms / 1000), (ms % 1000) * 1000000}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

QString UserSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vorlen/Recallix.conf");
}

}  // namespace

cSettingsProfile::cSettingsProfile() : cSettingsProfile(UserSettingsPath()) {}

cSettingsProfile::cSettingsProfile(const QString& path)
    : m_path(path), m_lock(std::make_unique<cSettingsLock>(path)) {}

cSettingsProfile::~cSettingsProfile() {
    // A last offer of the records that found the file busy.
    if (!m_pending.empty() && m_lock->Acquire()) {
        ApplyPendingUpdates();
        m_lock->Release();
    }
}

std::unique_ptr<QSettings> cSettingsProfile::OpenSettings() const {
    if (!MayRead(m_path)) {
        return nullptr;
    }
    return std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

QString cSettingsProfile::MakeKey(std::u16string_view section, std::u16string_view entry) {
    if (entry.empty() || !IsPlainName(entry) || !IsPlainName(section)) {
        return QString();
    }
    if (section.empty()) {
        return ToQString(entry);
    }
    return ToQString(section) + u'/' + ToQString(entry);
}

QVariant cSettingsProfile::ReadValue(const QString& key) const {
    const auto kept = m_kept.find(key);
    return kept != m_kept.end() ? kept->second : ReadStoredValue(key);
}

QVariant cSettingsProfile::ReadStoredValue(const QString& key) const {
    const std::unique_ptr<QSettings> settings = OpenSettings();
    return settings ? settings->value(key) : QVariant();
}

bool cSettingsProfile::Write(const QString& key, const QVariant& value) {
    // Writing what is stored already would only cost a turn and a rewrite of the file.
    if (!m_kept.contains(key)) {
        const QVariant stored = ReadStoredValue(key);
        if (stored.isValid() && stored.toString() == value.toString()) {
            return true;
        }
    }
    bool written = false;
    if (m_lock->Acquire()) {
        ApplyPendingUpdates();
        written = WriteStoredValue(key, value);
        m_lock->Release();
    }
    if (written) {
        m_kept.erase(key);
    } else {
        KeepInMemory(key, value);
    }
    return written;
}

bool cSettingsProfile::WriteStoredValue(const QString& key, const QVariant& value) {
    const std::unique_ptr<QSettings> settings = OpenSettings();
    // Checked first so that a value that cannot be stored does not linger among the
    // pending changes of the shared settings cache.
    if (!settings || settings->status() != QSettings::NoError || !settings->isWritable() ||
        !IsSafeToRewrite(m_path)) {
        return false;
    }
    settings->setValue(key, value);
    const qint64 msBefore = ModificationMs(m_path);
    settings->sync();
    MakeChangeVisible(m_path, msBefore);
    return settings->status() == QSettings::NoError;
}

bool cSettingsProfile::ApplyPendingUpdates() {
    std::vector<QString> applied;
    while (!m_pending.empty()) {
        const sPendingUpdate& pending = m_pending.front();
        const std::optional<uint32_t> next =
            pending.update(ToUint32(ReadStoredValue(pending.key)).value_or(0));
        if (next && !WriteStoredValue(pending.key, QVariant::fromValue(*next))) {
            return false;
        }
        applied.push_back(pending.key);
        m_pending.erase(m_pending.begin());
    }
    // The file now holds the outcome of every update, with whatever other instances
    // stored in between: it knows better than the copies kept for this run.
    for (const QString& key : applied) {
        m_kept.erase(key);
    }
    return true;
}

void cSettingsProfile::KeepInMemory(const QString& key, const QVariant& value) {
    m_kept[key] = value;
    ReportStoreFailure();
}

void cSettingsProfile::ReportStoreFailure() {
    m_failureNotice.Give();
}

uint32_t cSettingsProfile::GetProfileInt(std::u16string_view section, std::u16string_view entry,
                                         uint32_t defaultValue) const {
    const QString key = MakeKey(section, entry);
    if (key.isEmpty()) {
        return defaultValue;
    }
    return ToUint32(ReadValue(key)).value_or(defaultValue);
}

bool cSettingsProfile::WriteProfileInt(std::u16string_view section, std::u16string_view entry,
                                       uint32_t value) {
    const QString key = MakeKey(section, entry);
    return !key.isEmpty() && Write(key, QVariant::fromValue(value));
}

std::u16string cSettingsProfile::GetProfileString(std::u16string_view section,
                                                  std::u16string_view entry,
                                                  std::u16string_view defaultValue) const {
    const QString key = MakeKey(section, entry);
    if (key.isEmpty()) {
        return std::u16string(defaultValue);
    }
    const QVariant value = ReadValue(key);
    // An INI line with commas in it reads as a list, which is not a text of ours.
    if (!value.isValid() || value.typeId() == QMetaType::QStringList ||
        !value.canConvert<QString>()) {
        return std::u16string(defaultValue);
    }
    return value.toString().toStdU16String();
}

bool cSettingsProfile::WriteProfileString(std::u16string_view section, std::u16string_view entry,
                                          std::u16string_view value) {
    const QString key = MakeKey(section, entry);
    return !key.isEmpty() && Write(key, ToQString(value));
}

bool cSettingsProfile::UpdateProfileInt(std::u16string_view section, std::u16string_view entry,
                                        const IntUpdate& update) {
    const QString key = MakeKey(section, entry);
    if (key.isEmpty()) {
        return false;
    }
    m_pending.push_back({key, update});
    if (m_lock->Acquire()) {
        const bool applied = ApplyPendingUpdates();
        m_lock->Release();
        if (applied) {
            return true;
        }
    }
    // The file took no turn: this run goes on with its own outcome, and the update stays
    // pending for the next write.
    if (const std::optional<uint32_t> next = update(ToUint32(ReadValue(key)).value_or(0))) {
        m_kept[key] = QVariant::fromValue(*next);
    }
    ReportStoreFailure();
    return false;
}

void cSettingsProfile::SetStoreFailureNotice(std::function<void()> notice) {
    m_failureNotice.SetListener(std::move(notice));
}
