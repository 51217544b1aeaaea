#include "ui/qt/user_language.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <string_view>

#include "i18n/translation.h"
#include "platform/languages.h"
#include "ui/qt/form_builder.h"

namespace wagelyn {

void UseUserLanguage(QApplication& app) {
    const std::string_view language = UseLanguage(platform::PreferredLanguages());
    if (language.empty()) {
        return;  // the design's English: Qt's own texts are English already
    }
    // Only the chosen language's file, from where the distribution installs
    // Qt's translations. Without it, Qt's few words stay English.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_") + ToQString(language),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace wagelyn
