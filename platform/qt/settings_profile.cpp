#include "platform/qt/settings_profile.h"

#include <algorithm>
#include <limits>
#include <optional>

#include <QFile>
#include <QLockFile>
#include <QSettings>

#include "text/text_marks.h"

namespace {

// How long an update waits for another instance, and when a lock counts as left behind.
constexpr int kUpdateLockWaitMs = 5000;
constexpr int kUpdateLockStaleMs = 10000;

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
    return line.front() == '[' ? line.first(end).contains(']') : hasEquals;
}

// QSettings writes back only what it has read, so a line it misreads (a quote left open
// swallows the lines below it, a trailing backslash joins the next line, a line without
// "=" is dropped) would be lost on the next write, with any fastest times in it. Such a
// file is left as it is for the user to repair; so is one that cannot be read.
bool IsSafeToRewrite(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray text = file.readAll();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.constData());
    if (StartsWithUtf8Mark({bytes, static_cast<size_t>(text.size())})) {
        text.remove(0, 3);
    }
    text.replace('\r', '\n');
    const QList<QByteArray> lines = text.split('\n');
    return std::all_of(lines.begin(), lines.end(),
                       [](const QByteArray& line) { return IsWholeIniLine(line); });
}

}  // namespace

cSettingsProfile::cSettingsProfile() = default;

cSettingsProfile::cSettingsProfile(const QString& path) : m_path(path) {}

cSettingsProfile::~cSettingsProfile() = default;

std::unique_ptr<QSettings> cSettingsProfile::OpenSettings() const {
    if (m_path.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Vorlen"), QStringLiteral("Recallix"));
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
    return OpenSettings()->value(key);
}

bool cSettingsProfile::WriteValue(const QString& key, const QVariant& value) {
    const std::unique_ptr<QSettings> settings = OpenSettings();
    // Checked first so that a value that cannot be stored does not linger among the
    // pending changes of the shared settings cache.
    if (settings->status() != QSettings::NoError || !settings->isWritable()) {
        return false;
    }
    // Writing what is stored already would only cost a rewrite of the file.
    if (settings->contains(key) && settings->value(key).toString() == value.toString()) {
        return true;
    }
    if (!IsSafeToRewrite(settings->fileName())) {
        return false;
    }
    settings->setValue(key, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool cSettingsProfile::IsInMemory(std::u16string_view section, std::u16string_view entry) const {
    // The memory profile answers with the default for a missing value, so two
    // different defaults tell a stored value from a missing one.
    const bool hasInt =
        m_memory.GetProfileInt(section, entry, 0) == m_memory.GetProfileInt(section, entry, 1);
    const bool hasString = m_memory.GetProfileString(section, entry, u"") ==
                           m_memory.GetProfileString(section, entry, u"-");
    return hasInt || hasString;
}

uint32_t cSettingsProfile::GetProfileInt(std::u16string_view section, std::u16string_view entry,
                                         uint32_t defaultValue) const {
    const QString key = MakeKey(section, entry);
    if (key.isEmpty()) {
        return defaultValue;
    }
    if (IsInMemory(section, entry)) {
        return m_memory.GetProfileInt(section, entry, defaultValue);
    }
    return ToUint32(ReadValue(key)).value_or(defaultValue);
}

bool cSettingsProfile::WriteProfileInt(std::u16string_view section, std::u16string_view entry,
                                       uint32_t value) {
    const QString key = MakeKey(section, entry);
    if (key.isEmpty()) {
        return false;
    }
    const bool written = WriteValue(key, QVariant::fromValue(value));
    // Once a value lives in memory it must follow every later write, or an older
    // value kept there would hide a newer one in the file.
    if (!written || IsInMemory(section, entry)) {
        m_memory.WriteProfileInt(section, entry, value);
    }
    return written;
}

std::u16string cSettingsProfile::GetProfileString(std::u16string_view section,
                                                  std::u16string_view entry,
                                                  std::u16string_view defaultValue) const {
    const QString key = MakeKey(section, entry);
    if (key.isEmpty()) {
        return std::u16string(defaultValue);
    }
    if (IsInMemory(section, entry)) {
        return m_memory.GetProfileString(section, entry, defaultValue);
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
    if (key.isEmpty()) {
        return false;
    }
    const bool written = WriteValue(key, ToQString(value));
    if (!written || IsInMemory(section, entry)) {
        m_memory.WriteProfileString(section, entry, value);
    }
    return written;
}

bool cSettingsProfile::UpdateProfileInt(std::u16string_view section, std::u16string_view entry,
                                        const IntUpdate& update) {
    // Not the settings' own lock file: QSettings takes that one itself while it writes.
    QLockFile lock(OpenSettings()->fileName() + QStringLiteral(".update.lock"));
    lock.setStaleLockTime(kUpdateLockStaleMs);
    // Without the lock (a folder that cannot be written, a holder that hangs) the update
    // still happens, as two plain steps.
    const bool locked = lock.tryLock(kUpdateLockWaitMs);
    const bool written = cProfile::UpdateProfileInt(section, entry, update);
    if (locked) {
        lock.unlock();
    }
    return written;
}
