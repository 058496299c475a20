#include "config/ConfigApp.h"

#include "common/PathHelpers.h"
#include "common/ProfileStore.h"
#include "common/RunnerSettings.h"
#include "config/ConfigDlg.h"

bool CConfigApp::InitInstance(const std::function<int(CDialog&)>& runModal) {
    // The application's name is its file's title: a copy started under another
    // name keeps its settings under that name.
    const std::string fileName = FileNameOf(m_platform.files.ModulePath());
    const std::string appName = fileName.substr(0, fileName.rfind('.'));
    CProfileStore profile(m_platform.registry, settings::kCompanyKey, appName);
    CConfigDlg dialog(m_platform, profile);
    runModal(dialog);
    return false;
}
