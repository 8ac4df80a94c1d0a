// The program's string table: the texts the device core shows.
#include "res/string_table.h"
#include "res/language.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/unit/print_helpers.h"

namespace {

std::string Text(int id) {
    return Utf8(orvik::LoadString(id));
}

TEST(StringTable, HasEveryIdTheDeviceLinkUses) {
    std::vector<int> ids = {1003, 1004, 1017, 2016, 2017, 2043, 3012};
    for (int id = 2000; id <= 2015; ++id) {
        ids.push_back(id);
    }
    for (int id = 2018; id <= 2037; ++id) {
        ids.push_back(id);
    }
    for (int id : {2039, 2040, 2041, 2042}) {
        ids.push_back(id);
    }
    // The receipt outcome, the journal and the link's end.
    for (int id = 3100; id <= 3133; ++id) {
        ids.push_back(id);
    }
    for (int id : ids) {
        const char16_t* text = orvik::FindString(id);
        ASSERT_NE(text, nullptr) << id;
        EXPECT_NE(*text, u'\0') << id;
    }
}

TEST(StringTable, MissingIdIsReportedAsMissing) {
    EXPECT_EQ(orvik::FindString(2038), nullptr);
    EXPECT_EQ(orvik::FindString(0), nullptr);
    EXPECT_EQ(orvik::FindString(-1), nullptr);
    EXPECT_EQ(orvik::LoadString(99999), u"");
}

struct Quoted {
    int id;
    const char* text;
};

// Names the row in test listings and failure messages.
void PrintTo(const Quoted& row, std::ostream* out) {
    *out << row.id;
}

class StringTableText : public testing::TestWithParam<Quoted> {};

TEST_P(StringTableText, IsExactlyAsQuoted) {
    EXPECT_EQ(Text(GetParam().id), GetParam().text) << GetParam().id;
}

// Texts as the register's documentation quotes them, trailing blanks and double blanks included.
INSTANTIATE_TEST_SUITE_P(
    Messages, StringTableText,
    testing::Values(
        Quoted{1003,
               "Нет связи или ЭККР не отвечает. Пожалуйста, проверьте, включен ли ЭККР и подключен "
               "ли он кабелем. Также проверьте, правильно ли выбран коммуникационный порт, к "
               "которому подключен ЭККР."},
        Quoted{1004,
               "Введенный пароль недопустим для данного ЭККР. Пожалуйста, введите правильный "
               "пароль"},
        Quoted{1017, "АБВГДЕЖЗИЙКЛМНОПРСТ"},
        Quoted{2002,
               "Ключ находится в положении \"Отключено\". Для продолжения работы переведите ключ в "
               "рабочее положение."},
        Quoted{2015, "Переведите ключ в положение \"Z-ОТЧЕТ\" (Z)"},
        Quoted{2016, "Программируемое значение уже присутствует в фискальной памяти"},
        Quoted{2020,
               "Нет бумаги. Для продолжения работы вставьте бумагу в принтер и проверьте ее "
               "прохождение через щели датчиков наличия бумаги."},
        Quoted{2027,
               "Применение команд регистрации движения ГСМ к неактивным ТРК или резервуарам "},
        Quoted{2035, "Превышено максимальное количество команд 'SETR'  (больше 5)."},
        Quoted{2037, "Задан неверный номер фискальной позиции (в команде 'DISC')."},
        Quoted{2040,
               "Пришло время технического обслуживания. ЭККР блокирован. Пожалуйста, обратитесь в "
               "сервисный центр."},
        Quoted{2042,
               "Неправильное использование режима программирования артикулов. Пожалуйста, "
               "установите правильный режим артикульно таблицы командой ARMOx"},
        Quoted{2043, "Папір майже закінчився. Будь ласка, встановіть новий папір."},
        Quoted{3012,
               "Ошибка при открытии коммуникационного порта. Возможно, другая программа уже "
               "использует этот порт. Закройте другую программу и попробуйте еще раз."}),
    [](const testing::TestParamInfo<Quoted>& row) { return std::to_string(row.param.id); });

// The console's own texts, as its window, pages and boxes show them.
INSTANTIATE_TEST_SUITE_P(
    ConsoleTexts, StringTableText,
    testing::Values(
        Quoted{3013,
               "Добавьте пользователя в группу, которой принадлежит устройство (обычно "
               "\"dialout\": sudo usermod -aG dialout $USER), и войдите в систему заново."},
        Quoted{3014, "Порт занят другой программой."},
        Quoted{6000, "Административная консоль для ЭККР \"Орвик\""},
        Quoted{6001,
               "Пожалуйста, выберите правильный коммуникационный порт, к которому подключен ЭККР"},
        Quoted{6002, "Имя оператора не может быть пустым. Пожалуйста, введите имя оператора"},
        Quoted{6003,
               "Пароль оператора должен состоять не менее, чем из 10 символов. Пожалуста, "
               "введите правильный пароль оператора."},
        Quoted{6004, "Касир"}, Quoted{6005, "Доброго вам дня"}, Quoted{6006, "Состояние: %s"},
        Quoted{6007, "ЗН ЭККР: %s"}, Quoted{6008, "ПОДКЛЮЧЕН"}, Quoted{6009, "НЕ ПОДКЛЮЧЕН"},
        Quoted{6012, "Подключение ЭККР"}, Quoted{6013, "Отключение ЭККР"},
        Quoted{6014, "Орвик-683"}, Quoted{6020, "&Подключение ЭККР\tEnter"},
        Quoted{6037, "Версия: %1,%2,%3,%4"}, Quoted{6040, "Установки ЭККР"},
        Quoted{6041, "Установки ЭККР 2"}, Quoted{6042, "Отчеты"}, Quoted{6043, "Печать чеков"},
        Quoted{6044, "Терминал"}, Quoted{6100, "Команды и ответы ЭККР уровня протокола"},
        Quoted{6103, "Командные файлы ЭККР (*.cmd)"}, Quoted{6105, "Файлы отчетов ЭККР (*.rpt)"},
        Quoted{6108, "Файл %1 не является командным файлом: строка %2 содержит двоичные данные."},
        Quoted{6198, "Unable to open hyperlink:\n\n"},
        Quoted{6230,
               "The DDE transaction could not\nbe completed because other DDE "
               "transactions\nwere being processed."}),
    [](const testing::TestParamInfo<Quoted>& row) { return std::to_string(row.param.id); });

// The logo and footer page's texts.
INSTANTIATE_TEST_SUITE_P(
    LogoFooterTexts, StringTableText,
    testing::Values(
        Quoted{4300, "Ошибка при загрузке битового образа"},
        Quoted{4301,
               "Неверный формат битового образа. Пожалуйста, подготовьте черно-белый битовый "
               "образ с максимальной шириной 432 и максимальной выстой 192 пиксела."},
        Quoted{4302, "Неверный формат файла битового образа."},
        Quoted{4303, "Ошибка при передаче битового образа в ЭККР. Битовый образ не установлен."},
        Quoted{4304, "Подвал чека установлен."},
        Quoted{4305, "Вы уверены, что хотите стереть все строки в подвале чека?"},
        Quoted{4306, "Не удается установить многострочный подвал чека."},
        Quoted{4307, "Установлен межстрочный интервал "},
        Quoted{4308, "Ошибка при установке межстрочного интервала"},
        Quoted{4309, "Установлен режим печати скидок/надбавок"},
        Quoted{4310, "Ошибка при установке режима печати скидок/надбавок."},
        Quoted{4311, "Пустые строки не допускаются"}),
    [](const testing::TestParamInfo<Quoted>& row) { return std::to_string(row.param.id); });

TEST(StringTable, FactoryMessageStartsWithQuotedText) {
    const std::string text = Text(2011);
    const std::string quoted =
        "Принтер неработоспособен ввиду отсутствия заводского номера. Обратитесь на "
        "завод-изготовитель.";
    EXPECT_EQ(text.substr(0, quoted.size()), quoted);
    EXPECT_GT(text.size(), quoted.size()) << "the manufacturer's contacts follow";
}

TEST(StringTable, PaperJamMessagesAreEqual) {
    EXPECT_EQ(Text(2021), Text(2022));
    EXPECT_FALSE(Text(2021).empty());
}

}  // namespace

// Each row: a text, its arguments and the result. A text without its marker (a translation that
// lost it) never throws, and an argument is never read as a marker itself.
TEST(StringTable, FormatTextFillsEachMarkerOnce) {
    struct Row {
        std::u16string_view text;
        std::u16string_view first;
        std::u16string_view second;
        std::u16string_view result;
    };
    const std::vector<Row> rows = {
        {u"Порт %1: %2", u"COM1", u"занят", u"Порт COM1: занят"},
        {u"%2 и %1", u"a", u"b", u"b и a"},
        {u"Нет маркера", u"COM1", u"x", u"Нет маркера"},
        {u"Файл %1", u"/tmp/%2.check", u"нет", u"Файл /tmp/%2.check"},
        {u"%3 и %", u"a", u"b", u"%3 и %"},
        {u"%1%1", u"ab", u"", u"abab"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(orvik::FormatText(row.text, {row.first, row.second}), row.result);
    }
}

// Each row: LANGUAGE, LC_ALL, LC_MESSAGES and LANG, and the language they choose. The first
// variable set decides, as gettext reads them; in LANGUAGE, the first language of ours.
TEST(StringTable, LanguageFollowsTheLocaleVariables) {
    struct Row {
        const char* language;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        orvik::Language chosen;
    };
    using orvik::Language;
    const std::vector<Row> rows = {
        {"", "", "", "", Language::Russian},
        {"", "", "", "C.UTF-8", Language::Russian},
        {"", "", "", "uk_UA.UTF-8", Language::Ukrainian},
        {"", "", "", "en_US.UTF-8", Language::English},
        {"", "", "", "ru_RU.UTF-8", Language::Russian},
        {"", "", "", "de_DE.UTF-8", Language::Russian},
        {"", "", "en_GB", "uk_UA.UTF-8", Language::English},
        {"", "uk_UA@euro", "en_GB", "en_US", Language::Ukrainian},
        {"", "C", "", "uk_UA.UTF-8", Language::Russian},
        {"de:en:uk", "", "", "uk_UA.UTF-8", Language::English},
        {"fr", "", "", "uk_UA.UTF-8", Language::Russian},
        {"uk", "C", "", "", Language::Ukrainian},
        {"ukr", "", "", "", Language::Russian},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(orvik::LanguageFromLocale(row.language, row.lcAll, row.lcMessages, row.lang),
                  row.chosen)
            << row.language << " " << row.lcAll << " " << row.lcMessages << " " << row.lang;
    }
}

// The Ukrainian and English tables come from the translations; the texts the register receives
// (the tax letters, the default operator name) are the same in every language, and the
// pseudo-language wraps every other text.
TEST(StringTable, EachLanguageTranslatesAllButTheRegistersTexts) {
    using orvik::Language;
    const auto text = [](int id, Language language) {
        return Utf8(orvik::FindString(id, language));
    };
    for (const Language language :
         {Language::Russian, Language::Ukrainian, Language::English, Language::Pseudo}) {
        EXPECT_EQ(text(orvik::kStrTaxLetters, language), "АБВГДЕЖЗИЙКЛМНОПРСТ");
        EXPECT_EQ(text(orvik::kStrDefaultOperatorName, language), "Касир");
        EXPECT_EQ(orvik::FindString(2038, language), nullptr);
    }
    EXPECT_EQ(text(2015, Language::Ukrainian), "Переведіть ключ у положення \"Z-ЗВІТ\" (Z)");
    EXPECT_EQ(text(2015, Language::English), "Turn the key to \"Z REPORT\" (Z)");
    EXPECT_EQ(text(6006, Language::Pseudo), "[[Состояние: %s]]");

    // LoadString and FormatMessage answer in the language set.
    orvik::SetLanguage(Language::English);
    EXPECT_EQ(Utf8(orvik::FormatMessage(orvik::kStrReceiptRegistered, {u"15"})),
              "Receipt No. 15 is registered by the register");
    orvik::SetLanguage(Language::Russian);
    EXPECT_EQ(Utf8(orvik::FormatMessage(orvik::kStrReceiptRegistered, {u"15"})),
              "Чек №15 зарегистрирован ЭККР");
}
