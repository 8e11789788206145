#pragma once

#include <memory>

#include <QString>
#include <QVariant>

#include "platform/memory_profile.h"
#include "platform/profile.h"

class QSettings;

// The user's settings on QSettings: the native per-user store of "Vorlen"/"Recallix"
// (~/.config/Vorlen/Recallix.conf on Linux), or an INI file at a given path. An empty
// section is the top level; any other section is a group of that name.
//
// A store that cannot be written must not stop the program: a value whose write fails
// is kept in memory for the rest of the run (and the write still reports false), and
// reads prefer those values to the file's.
class cSettingsProfile : public cProfile {
public:
    cSettingsProfile();
    // Settings in the INI file at path instead of the native store.
    explicit cSettingsProfile(const QString& path);
    ~cSettingsProfile() override;

    uint32_t GetProfileInt(std::u16string_view section, std::u16string_view entry,
                           uint32_t defaultValue) const override;
    bool WriteProfileInt(std::u16string_view section, std::u16string_view entry,
                         uint32_t value) override;
    std::u16string GetProfileString(std::u16string_view section, std::u16string_view entry,
                                    std::u16string_view defaultValue) const override;
    bool WriteProfileString(std::u16string_view section, std::u16string_view entry,
                            std::u16string_view value) override;
    // Holds a lock file beside the settings while it reads and writes, so two instances
    // finishing a pass at once cannot keep the slower time.
    bool UpdateProfileInt(std::u16string_view section, std::u16string_view entry,
                          const IntUpdate& update) override;

private:
    // A fresh QSettings per operation: it reads what other instances have written
    // since, and its status tells about this operation alone.
    std::unique_ptr<QSettings> OpenSettings() const;
    // The QSettings key of section and entry; empty when they cannot name a value.
    static QString MakeKey(std::u16string_view section, std::u16string_view entry);
    QVariant ReadValue(const QString& key) const;
    bool WriteValue(const QString& key, const QVariant& value);
    bool IsInMemory(std::u16string_view section, std::u16string_view entry) const;

    QString m_path;  // empty: the native store
    cMemoryProfile m_memory;
};
