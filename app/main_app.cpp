// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Recallix developers
#include "app/main_app.h"

#include <QApplication>
#include <QProcess>
#include <cstdio>

#include "app/cue_file_failure.h"
#include "app/deferred_icon_style.h"
#include "app/font_setting.h"
#include "app/main_doc.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "engine/teacher.h"
#include "i18n/language_setting.h"
#include "lexitra/lexitra.h"
#include "platform/qt/settings_profile.h"
#include "platform/qt/sqlite_pass_history.h"

namespace {

// A path as it may be printed: control characters (a line feed in a name could fake a
// line of output) and bytes that are no text are shown as escapes.
QString PrintablePath(const QString& path) {
    QString printable;
    for (const QChar c : path) {
        const char16_t unit = c.unicode();
        if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0) || (unit >= 0xDC80 && unit <= 0xDCFF)) {
            printable += QStringLiteral("\\x%1").arg(unit & 0xFF, 2, 16, QLatin1Char('0'));
        } else {
            printable += c;
        }
    }
    return printable;
}

}  // namespace

cMainApp::cMainApp(std::unique_ptr<cProfile> profile)
    : m_profile(std::move(profile)), m_history(std::make_unique<cSqlitePassHistory>()) {
    if (!m_profile) {
        m_profile = std::make_unique<cSettingsProfile>();
    }
}

cMainApp::~cMainApp() {
    m_frame.reset();  // the form leaves the document before the document goes
    m_doc.reset();
}

void cMainApp::SetApplicationNames() {
    // Ties the windows to the installed desktop entry, for its name and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vorlen.recallix"));
    // The user's data folder for the pass history: ~/.local/share/Vorlen/Recallix.
    QCoreApplication::setOrganizationName(QStringLiteral("Vorlen"));
    QCoreApplication::setApplicationName(QStringLiteral("Recallix"));
}

int cMainApp::Run(const QStringList& cueFiles) {
    if (!InitInstance(cueFiles)) {
        return 1;
    }
    return QApplication::exec();
}

bool cMainApp::InitInstance(const QStringList& cueFiles) {
    RestoreLanguage();
    m_runState.CurrentFontIndex = ReadFontSetting(*m_profile, m_runState.CurrentFontIndex);
    const QString storedFont = QString::fromStdU16String(ReadFontSettingText(*m_profile));
    // Until start-up has succeeded the stored font is the normal one, so a layout that
    // cannot be built does not stop the next start too.
    const bool guardStored = WriteFontSetting(*m_profile, 0);

    cDeferredIconStyle::Install();
    m_doc = std::make_unique<cMainDoc>(*m_profile, m_ticks);
    m_doc->SetPassHistory(m_history.get());
    m_frame = cMainFrame::Create(*m_doc, *m_profile, m_runState);
    if (!m_frame) {
        std::fprintf(stderr, "Recallix: there is no form layout for the font %s\n",
                     PrintablePath(storedFont).toUtf8().constData());
        if (guardStored) {
            return false;  // the next start finds the normal font
        }
        // Where the reset cannot be stored, ending here would end every start from now
        // on: this run takes the first layout instead.
        m_runState.CurrentFontIndex = 0;
        m_frame = cMainFrame::Create(*m_doc, *m_profile, m_runState);
        if (!m_frame) {
            return false;
        }
    }
    // The history is first used when the loaded cards' memories are counted.
    NoticeHistory();
    // The window is up before files named on the command line load, so a long load
    // shows its progress there and can be stopped.
    if (!OpenCueFiles(cueFiles)) {
        m_frame.reset();
        return false;
    }
    m_profile->SetStoreFailureNotice([this] {
        if (m_frame) {
            m_frame->OnStatusText(LoadTranslatedUiString(eUiText::SettingsNotStored));
        }
    });
    WriteFontSetting(*m_profile, m_runState.CurrentFontIndex);
    return true;
}

void cMainApp::NoticeHistory() {
    // The history opens when it is first used; what went wrong then is said once.
    const auto say = [this](eUiText text) {
        if (m_frame) {
            m_frame->OnStatusText(LoadTranslatedUiString(text));
        }
    };
    m_history->SetUnavailableNotice([say] { say(eUiText::HistoryUnavailable); });
    m_history->SetSetAsideNotice([say] { say(eUiText::HistorySetAside); });
    m_history->SetDeferredNotice([say] { say(eUiText::HistoryDeferred); });
}

void cMainApp::RestoreLanguage() {
    const uint16_t language = ReadLanguageSetting(*m_profile);
    if (language != 0) {
        ApplyLanguage(language, *m_profile);
    }
    m_qtTranslation.Install();
}

bool cMainApp::OpenCueFiles(const QStringList& cueFiles) {
    std::vector<std::u16string> paths;
    paths.reserve(static_cast<size_t>(cueFiles.size()));
    for (const QString& file : cueFiles) {
        paths.push_back(file.toStdU16String());
    }
    const int failed = m_doc->OnOpenDocuments(paths);
    if (failed >= 0) {
        const QString& file = cueFiles[failed];
        const std::u16string& path = paths[static_cast<size_t>(failed)];
        // The guard is for layouts; a cue file that fails says nothing against the font.
        WriteFontSetting(*m_profile, m_runState.CurrentFontIndex);
        if (m_doc->WasLastLoadCancelled()) {
            std::fprintf(stderr, "Recallix: loading the cue file %s was cancelled\n",
                         PrintablePath(file).toUtf8().constData());
            return false;  // the user stopped it: nothing to explain
        }
        const QString reason = QString::fromStdU16String(
            DescribeCueFileFailure(path, m_doc->GetTeacher().GetLastLoadFault()));
        std::fprintf(stderr, "Recallix: cannot load the cue file %s: %s\n",
                     PrintablePath(file).toUtf8().constData(), reason.toUtf8().constData());
        // Started from a file manager there is no terminal: the box is what the user sees.
        const QString text =
            QString::fromStdU16String(LoadTranslatedUiString(eUiText::CueFileNotLoaded)) + u'\n' +
            PrintablePath(file) + QStringLiteral("\n\n") + reason;
        ShowMessageBox(nullptr, QMessageBox::Critical, text);
        return false;
    }
    return true;
}

void cMainApp::StartNewInstance() {
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}
