#include "gui/app/console_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <cstring>

namespace orvik::gui {

namespace {

constexpr char kLanguageKey[] = "language";

QSettings UserSettings() {
    return QSettings(QStringLiteral("orvik"), QStringLiteral("orvik-console"));
}

// The test language: every text the toolkit translates comes back wrapped in "[[" and "]]",
// as the string table's do, so that a text shown without either stands out.
class PseudoTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;
    QString translate(const char*, const char* sourceText, const char* = nullptr,
                      int = -1) const override {
        if (!sourceText || *sourceText == '\0') {
            return QString();
        }
        return QStringLiteral("[[") + QString::fromUtf8(sourceText) + QStringLiteral("]]");
    }
    bool isEmpty() const override { return false; }
};

std::unique_ptr<QTranslator> Loaded(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder)) {
        return nullptr;
    }
    return translator;
}

}  // namespace

std::optional<Language> LanguageOption(int argc, char** argv, QString* error) {
    std::optional<Language> chosen;
    for (int i = 1; i < argc; ++i) {
        const char* value = nullptr;
        if (std::strcmp(argv[i], "--lang") == 0) {
            value = i + 1 < argc ? argv[++i] : "";
        } else if (std::strncmp(argv[i], "--lang=", 7) == 0) {
            value = argv[i] + 7;
        } else {
            continue;
        }
        chosen = ParseLanguage(value);
        if (!chosen) {
            *error = QStringLiteral("--lang takes ru, uk or en, not \"%1\"")
                         .arg(QString::fromLocal8Bit(value));
            return std::nullopt;
        }
    }
    return chosen;
}

std::optional<Language> SavedLanguage() {
    const QString code = UserSettings().value(QLatin1String(kLanguageKey)).toString();
    const auto language = ParseLanguage(code.toStdString());
    if (language == Language::Pseudo) {
        return std::nullopt;
    }
    return language;
}

void SaveLanguage(Language language) {
    UserSettings().setValue(QLatin1String(kLanguageKey),
                            QString::fromLatin1(LanguageCode(language)));
}

Language StartLanguage(std::optional<Language> option) {
    if (option) {
        return *option;
    }
    if (const auto saved = SavedLanguage()) {
        return *saved;
    }
    return LanguageFromEnvironment();
}

LanguageScope::LanguageScope(Language language) : m_previous(CurrentLanguage()) {
    SetLanguage(language);
    const QString code = QString::fromLatin1(LanguageCode(language));
    if (language == Language::Pseudo) {
        m_translators.push_back(std::make_unique<PseudoTranslator>());
    }
    // Qt's own texts: the buttons of the boxes, the file dialogs, the context menus. Its
    // English is the texts themselves.
    if (language == Language::Russian || language == Language::Ukrainian) {
        m_translators.push_back(Loaded(QStringLiteral("qt_") + code,
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    }
    // The window's own: its Russian is the texts themselves.
    if (language == Language::Ukrainian || language == Language::English) {
        m_translators.push_back(Loaded(QStringLiteral("orvik_") + code, QStringLiteral(":/i18n")));
    }
    std::erase(m_translators, nullptr);
    for (const auto& translator : m_translators) {
        QCoreApplication::installTranslator(translator.get());
    }
}

LanguageScope::~LanguageScope() {
    for (const auto& translator : m_translators) {
        QCoreApplication::removeTranslator(translator.get());
    }
    SetLanguage(m_previous);
}

}  // namespace orvik::gui
