#include "app/main_app.h"

#include <QCoreApplication>
#include <QProcess>
#include <QScreen>
#include <cstdio>

#include "app/main_doc.h"
#include "app/main_form.h"
#include "app/main_frame.h"
#include "app/resources/control_ids.h"
#include "app/resources/resource_language.h"
#include "app/resources/string_resource.h"
#include "i18n/language_setting.h"
#include "i18n/lexitra/lexitra.h"
#include "platform/qt/settings_profile.h"

int cMainApp::CurrentFontIndex = 0;
bool cMainApp::RestartRequested = false;

namespace {

cMainFrame* g_mainWindow = nullptr;

constexpr uint32_t kSettingsNotStoredTextId = 40014;

// A path as it may be printed: control characters (a line feed in a name could fake a
// line of output) and bytes that are no text are shown as escapes.
std::string PrintablePath(const QString& path) {
    QString printable;
    for (const QChar c : path) {
        const char16_t unit = c.unicode();
        if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0) || (unit >= 0xDC80 && unit <= 0xDCFF)) {
            printable += QStringLiteral("\\x%1").arg(unit & 0xFF, 2, 16, QLatin1Char('0'));
        } else {
            printable += c;
        }
    }
    return printable.toStdString();
}

}  // namespace

cMainApp::cMainApp(std::unique_ptr<cProfile> profile) : m_profile(std::move(profile)) {
    if (!m_profile) {
        m_profile = std::make_unique<cSettingsProfile>();
    }
}

cMainApp::~cMainApp() {
    m_frame.reset();  // the form leaves the document before the document goes
    m_doc.reset();
}

bool cMainApp::InitInstance(const QStringList& arguments) {
    RestoreLanguage();
    CurrentFontIndex =
        static_cast<int>(m_profile->GetProfileInt(u"", u"Font", static_cast<uint32_t>(CurrentFontIndex)));
    // Until start-up has succeeded the stored font is the normal one, so a layout that
    // cannot be built does not stop the next start too.
    const bool guardStored = m_profile->WriteProfileInt(u"", u"Font", 0);

    m_doc = std::make_unique<cMainDoc>(*m_profile, m_ticks);
    if (!arguments.isEmpty() && !m_doc->OnOpenDocument(arguments.first().toStdU16String())) {
        std::fprintf(stderr, "Recallix: cannot load the cue file %s\n",
                     PrintablePath(arguments.first()).c_str());
        // The guard is for layouts; a cue file that fails says nothing against the font.
        m_profile->WriteProfileInt(u"", u"Font", static_cast<uint32_t>(CurrentFontIndex));
        return false;
    }
    if (!CreateWindow()) {
        std::fprintf(stderr, "Recallix: there is no form layout for the font %d\n",
                     CurrentFontIndex);
        if (guardStored) {
            return false;  // the next start finds the normal font
        }
        // Where the reset cannot be stored, ending here would end every start from now
        // on: this run takes the first layout instead.
        CurrentFontIndex = 0;
        if (!CreateWindow()) {
            return false;
        }
    }
    m_profile->SetStoreFailureNotice([this] {
        if (m_frame) {
            m_frame->OnStatusText(LoadTranslatedUiString(kSettingsNotStoredTextId));
        }
    });
    m_profile->WriteProfileInt(u"", u"Font", static_cast<uint32_t>(CurrentFontIndex));
    return true;
}

void cMainApp::RestoreLanguage() {
    const uint16_t language = ReadLanguageSetting(*m_profile);
    if (language != 0) {
        ApplyLanguage(language, *m_profile);
    }
}

bool cMainApp::CreateWindow() {
    m_frame = std::make_unique<cMainFrame>(*m_doc, *m_profile);
    std::unique_ptr<cMainForm> form = cMainForm::Create(*m_doc, CurrentFontIndex);
    if (!form) {
        m_frame.reset();
        return false;
    }
    cMainForm* shownForm = form.get();
    m_frame->SetForm(std::move(form));
    SetMainWindow(m_frame.get());
    // The layout's own size, as far as the screen has room for it.
    QSize size = m_frame->sizeHint();
    if (const QScreen* screen = m_frame->screen()) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    m_frame->resize(size);
    m_frame->show();
    shownForm->OnInitialUpdate();
    return true;
}

void cMainApp::StartRequestedRestart() {
    if (RestartRequested) {
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    }
}

cMainFrame* cMainApp::GetMainWindow() { return g_mainWindow; }

void cMainApp::SetMainWindow(cMainFrame* frame) { g_mainWindow = frame; }

QString cMainApp::GetAppName() { return LoadResourceString(kIdMainMenu, UseJapaneseResources()); }
