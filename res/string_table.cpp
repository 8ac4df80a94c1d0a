#include "res/string_table.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <vector>

#include "res/string_table_translations.h"

namespace orvik {
namespace {

struct StringEntry {
    int id;
    const char* text;  // UTF-8
};

constexpr int ParseId(const char* digits) {
    int id = 0;
    for (; *digits != '\0'; ++digits) {
        id = id * 10 + (*digits - '0');
    }
    return id;
}

// A text the window shows, marked for lupdate, which copies it into the .ts files under the
// context "StringTable" with its id as the disambiguation; the Ukrainian and English tables are
// generated from those files at build time (res/translations/ts_to_table.py). Entries written
// as plain {id, text} are never translated: they go to the register as they are.
#define QT_TRANSLATE_NOOP3(context, text, id) \
    StringEntry {                             \
        ParseId(id), text                     \
    }

// Sorted by id.
constexpr StringEntry kStrings[] = {
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Наименование товара должно быть непустым. Пожалуйста, введите наименование товара.",
        "140"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Название скидки/надбавки и ее сумма должны буть непустыми. Пожалуйста, введите данные по "
        "скидке/надбавке.",
        "141"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Запрещено облагать товар одной и той же налоговой ставкой. Пожалуйста, выберите "
        "правильную налоговую ставку.",
        "142"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Неверная цена товара. Пожылуйста, введите правильную цену товара.", "161"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Приложение налогов разного типа к одной товарной позиции запрещено. Пожалуйста, выберите "
        "однотипные налоговые ставки.",
        "162"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Нет связи или ЭККР не отвечает. Пожалуйста, проверьте, включен ли ЭККР и подключен ли он "
        "кабелем. Также проверьте, правильно ли выбран коммуникационный порт, к которому подключен "
        "ЭККР.",
        "1003"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Введенный пароль недопустим для данного ЭККР. Пожалуйста, введите правильный пароль",
        "1004"),
    {1017, "АБВГДЕЖЗИЙКЛМНОПРСТ"},
    QT_TRANSLATE_NOOP3("StringTable",
                       "Слишком большое количество делимого товара для одной строки чека.", "1060"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Передано недостаточное количество денег для оплаты чека. Проверьте правильность работы "
        "прикладной программы.",
        "1061"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Цена товара, сумма строки чека или сумма скидки/надбавки вне допустимого для ЭККР "
        "диапазона (от 0 до 999999999 в младших единицах валюты).",
        "1062"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Файл не является файлом чека: строка %1 содержит двоичные данные.", "1063"),
    QT_TRANSLATE_NOOP3("StringTable", "Файл не является файлом чека: строка %1 длиннее 4095 байт.",
                       "1064"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Файл не является файлом чека: в нем больше %1 товарных позиций.", "1065"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Строка %1: полей %2 вместо %3; недостающие поля считаются пустыми, лишние "
                       "отбрасываются.",
                       "1066"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Строка %1, поле %2: \"%3\" не является числом и считается нулем.", "1067"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Чек нельзя сохранить: текст \"%1\" (%2) содержит символ \";\", перевод строки или "
        "другой управляющий символ, которые нарушат формат файла чека.",
        "1068"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Чек нельзя сохранить: текст \"%1\" (%2) содержит символы, которых нет в кодировке "
        "Windows-1251.",
        "1069"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Чек нельзя сохранить: строка %1 файла была бы длиннее 4095 байт.", "1070"),
    QT_TRANSLATE_NOOP3("StringTable", "Чек нельзя сохранить: в нем больше %1 товарных позиций.",
                       "1071"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Текст \"%1\" содержит символ \";\", перевод строки или другой управляющий "
                       "символ: ЭККР его "
                       "не напечатает, а файл чека его не сохранит. Пожалуйста, исправьте текст.",
                       "1072"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Текст \"%1\" содержит символы, которые ЭККР не может напечатать. Пожалуйста, исправьте "
        "текст.",
        "1073"),
    QT_TRANSLATE_NOOP3("StringTable", "Количество товара \"%1\" должно быть числом больше нуля.",
                       "1074"),
    QT_TRANSLATE_NOOP3("StringTable", "Количество штучного товара \"%1\" должно быть целым числом.",
                       "1075"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Количество весового товара \"%1\" должно быть не меньше 0.001 и иметь не больше трех "
        "знаков после точки.",
        "1076"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Сумма \"%1\" имеет больше знаков после точки, чем денежная единица ЭККР (%2). Пожалуйста, "
        "введите правильную сумму.",
        "1077"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Налоговая ставка %1 не запрограммирована в ЭККР. Пожалуйста, выберите другую налоговую "
        "ставку.",
        "1078"),
    QT_TRANSLATE_NOOP3("StringTable", "Сумма скидки %1 больше суммы товарной позиции %2.", "1079"),
    QT_TRANSLATE_NOOP3("StringTable", "Please enter an integer.", "1080"),
    QT_TRANSLATE_NOOP3("StringTable", "Please enter an integer between %1 and %2.", "1081"),
    QT_TRANSLATE_NOOP3("StringTable", "Please enter no more than %1 characters.", "1082"),
    QT_TRANSLATE_NOOP3("StringTable", "Сумма оплаты \"%1\" не является числом.", "1083"),
    QT_TRANSLATE_NOOP3("StringTable", "Сумма оплаты не может быть меньше нуля: %1.", "1084"),
    QT_TRANSLATE_NOOP3("StringTable", "Сумма оплаты %1 больше, чем ЭККР может принять.", "1085"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Оплаты 1-3 (%1 + %2 + %3 = %4) превышают сумму чека %5: наличные были бы "
                       "отрицательными. Пожалуйста, уменьшите оплаты.",
                       "1086"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Оплата чека не может быть меньше нуля, а оплаты кроме наличных не могут превышать сумму "
        "чека. Чек не закрыт.",
        "1087"),
    QT_TRANSLATE_NOOP3("StringTable", "Строка %1: полей %2, а должно быть %3.", "1088"),
    QT_TRANSLATE_NOOP3("StringTable", "Строка %1, поле %2: \"%3\" не является числом.", "1089"),
    QT_TRANSLATE_NOOP3("StringTable", "Файл не является файлом чека: он больше %1 байт.", "1090"),
    QT_TRANSLATE_NOOP3("StringTable", "Опции автообрезки и звукового сигнала успешно установлены.",
                       "1091"),
    QT_TRANSLATE_NOOP3("StringTable", "Текст заголовока и подвала чека успешно изменен.", "1092"),
    QT_TRANSLATE_NOOP3("StringTable", "Режим работы артикульной таблицы успешно установлен.",
                       "1093"),
    QT_TRANSLATE_NOOP3("StringTable", "Режим расчета наложенных налогов успешно установлен.",
                       "1094"),
    QT_TRANSLATE_NOOP3("StringTable", "Режим печати наложенных налогов успешно установлен.",
                       "1095"),
    QT_TRANSLATE_NOOP3("StringTable", "Набор служебных сообщений на чеке успешно установлен.",
                       "1096"),
    QT_TRANSLATE_NOOP3("StringTable", "Мнемоника торгового отдела успешно установлена.", "1097"),
    QT_TRANSLATE_NOOP3("StringTable", "Строка %1, поле %2: признак \"%3\" должен быть 0 или 1.",
                       "1098"),
    QT_TRANSLATE_NOOP3("StringTable", "НЕ ОБЛАГАЕТСЯ", "1100"),
    QT_TRANSLATE_NOOP3("StringTable", "Вложенный", "1101"),
    QT_TRANSLATE_NOOP3("StringTable", "Наложенный", "1102"),
    QT_TRANSLATE_NOOP3("StringTable", "Налог на прибыль (с выигрыша)", "1103"),
    QT_TRANSLATE_NOOP3("StringTable", "Наименование", "1104"),
    QT_TRANSLATE_NOOP3("StringTable", "Артикул", "1105"),
    QT_TRANSLATE_NOOP3("StringTable", "Весовой", "1106"),
    QT_TRANSLATE_NOOP3("StringTable", "Количество", "1107"),
    QT_TRANSLATE_NOOP3("StringTable", "Цена", "1108"),
    QT_TRANSLATE_NOOP3("StringTable", "Налог 1", "1109"),
    QT_TRANSLATE_NOOP3("StringTable", "Налог 2", "1110"),
    QT_TRANSLATE_NOOP3("StringTable", "Тип Скидки", "1111"),
    QT_TRANSLATE_NOOP3("StringTable", "Название Скидки", "1112"),
    QT_TRANSLATE_NOOP3("StringTable", "Сумма Скидки", "1113"),
    QT_TRANSLATE_NOOP3("StringTable", "Сложный налог", "1114"),
    QT_TRANSLATE_NOOP3("StringTable", "Сохранить чек в файле", "1115"),
    QT_TRANSLATE_NOOP3("StringTable", "Загрузить чек из файла", "1116"),
    QT_TRANSLATE_NOOP3("StringTable", "Файлы ЭККР с чеками (*.check)", "1117"),
    QT_TRANSLATE_NOOP3("StringTable", "Строка %1 списка: %2", "1120"),
    QT_TRANSLATE_NOOP3("StringTable", "К оплате: %1", "1121"),
    QT_TRANSLATE_NOOP3("StringTable", "Продажи: %1", "1122"),
    QT_TRANSLATE_NOOP3("StringTable", "Возвраты: %1", "1123"),
    QT_TRANSLATE_NOOP3("StringTable", "%1 %2%: %3", "1124"),
    QT_TRANSLATE_NOOP3("StringTable", "Оплачено: %1 (наличные %2, оплаты 1-3: %3)", "1125"),
    QT_TRANSLATE_NOOP3("StringTable", "Сдача: %1", "1126"),
    QT_TRANSLATE_NOOP3("StringTable", "Не хватает: %1. ЭККР не закроет такой чек.", "1127"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Не учтено строк: %1 (их количество или суммы ЭККР не примет).", "1128"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Отмечен \"Сложный налог\": при печати чек будет оплачен наличными ровно на сумму к "
        "оплате, поля оплаты не учитываются.",
        "1129"),
    QT_TRANSLATE_NOOP3("StringTable", "ЭККР не подключен: итог будет рассчитан после подключения.",
                       "1130"),
    QT_TRANSLATE_NOOP3("StringTable", "Файл %1 загружен, но в нем есть ошибки:\n%2", "1131"),
    QT_TRANSLATE_NOOP3("StringTable", "строка %1 списка, столбец \"%2\"", "1132"),
    QT_TRANSLATE_NOOP3("StringTable", "поле \"Оплата %1:\"", "1133"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Налог на выигрыш %1 ЭККР вычитает из суммы чека: он возьмет %2, а не %3 (сумма с "
        "прибавленным налогом).",
        "1134"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Отмечен \"Сложный налог\": оплаты 1-3 при печати не будут использованы, чек будет "
        "оплачен наличными на всю сумму к оплате (%1).",
        "1135"),
    QT_TRANSLATE_NOOP3("StringTable", "Неправильный формат посылки, возможно сбой в канале связи",
                       "2000"),
    QT_TRANSLATE_NOOP3("StringTable", "Для продолжения работы необходимо выполнить Z-отчет",
                       "2001"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Ключ находится в положении \"Отключено\". Для продолжения работы "
                       "переведите ключ в рабочее "
                       "положение.",
                       "2002"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Передана неизвестная принтеру команда. Возможен сбой в канале связи.",
                       "2003"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Переданная команда не соответствует ожидаемой принтером последовательности. Проверьте "
        "правильность работы программы",
        "2004"),
    QT_TRANSLATE_NOOP3("StringTable", "Z-отчет не сформирован из-за ошибки или аварии", "2005"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Переполнение фискальной памяти. Обратитесь в сервисный центр для покупки нового аппарата.",
        "2006"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Встроенные часы содержат неверное время. Текущая дата меньше даты последнего Z-отчета",
        "2007"),
    QT_TRANSLATE_NOOP3("StringTable", "Неверный тип, количество или значение параметров команды",
                       "2008"),
    QT_TRANSLATE_NOOP3("StringTable", "Введен неправильный пароль кассира. Повторите ввод пароля",
                       "2009"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "В процессе печати чека не выполненны соотношения между параметрами команды или их "
        "значения не равны рассчетным",
        "2010"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Принтер неработоспособен ввиду отсутствия заводского номера. Обратитесь на "
        "завод-изготовитель.\nТел.: +380 44 000-00-00\nE-mail: factory@orvik.example",
        "2011"),
    QT_TRANSLATE_NOOP3("StringTable", "Переведите ключ в положение \"РЕГИСТРАЦИЯ\" (Р)", "2012"),
    QT_TRANSLATE_NOOP3("StringTable", "Переведите ключ в положение \"ПРОГРАММИРОВАНИЕ\" (П)",
                       "2013"),
    QT_TRANSLATE_NOOP3("StringTable", "Переведите ключ в положение \"X-ОТЧЕТ\" (X)", "2014"),
    QT_TRANSLATE_NOOP3("StringTable", "Переведите ключ в положение \"Z-ОТЧЕТ\" (Z)", "2015"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Программируемое значение уже присутствует в фискальной памяти", "2016"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "В фискальной памяти аппарата не найдена регистрационная информация. Фискальная работа "
        "аппарата невозможна. Обратитесь в сервисный центр.",
        "2017"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "В фискальной памяти апарата не найдена информация о денежной единице. Обратитесь в "
        "сервисный центр.",
        "2018"),
    QT_TRANSLATE_NOOP3("StringTable", "Превышение разрядности чисел при выполнении вычислений",
                       "2019"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Нет бумаги. Для продолжения работы вставьте бумагу в принтер и проверьте ее прохождение "
        "через щели датчиков наличия бумаги.",
        "2020"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Возможно принтер смял бумагу или сломался. Если Вам не удается самостоятельно справиться "
        "с этой проблемой - обратитесь в сервисный центр.",
        "2021"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Возможно принтер смял бумагу или сломался. Если Вам не удается самостоятельно справиться "
        "с этой проблемой - обратитесь в сервисный центр.",
        "2022"),
    QT_TRANSLATE_NOOP3("StringTable", "Ошибка в канале связи (Ошибка паритета)", "2023"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Системные часы содержат неверное время. Оратитесь в сервисный центр.",
                       "2024"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Ошибка сравнения при записи в фискальную память. Дальнейшая работа невозможна. "
        "Обратитесь в сервисный центр.",
        "2025"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Недостаточно наличности в кассе для выполнения выдачи наличности по данному чеку.",
        "2026"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Применение команд регистрации движения ГСМ к неактивным ТРК или резервуарам ", "2027"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Обнаружено искажение основных фискальных реквизитов, записанных в ФП ",
                       "2028"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Обнаружено искажение данных в блоке ОП с дневными фискальными данными",
                       "2029"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Работа продолжается более 24-х часов. Необходимо выполнить Z-отчет.",
                       "2030"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Обнаружено изменение наименования или схем налогообложения или признака делимости "
        "товара в команде 'FISC', использующей активизированный номер артикула.",
        "2031"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Задан неверный номер артикула (не из диапазона 1-9999, либо обращение к не "
                       "активизированному артикулу).",
                       "2032"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Переполнение буфера копирования (более 110 строк в чеке). Последующая команда 'COPY' не "
        "применима.",
        "2033"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Превышено максимальное количество команд 'FISC' с параметром <п15> (больше 100)", "2034"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Превышено максимальное количество команд 'SETR'  (больше 5).", "2035"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Сума скидки больше суммы оборота по соответствующей товарной позиции.",
                       "2036"),
    QT_TRANSLATE_NOOP3("StringTable", "Задан неверный номер фискальной позиции (в команде 'DISC').",
                       "2037"),
    QT_TRANSLATE_NOOP3("StringTable", "Дисплей неисправен. Обратитесь в сервисный центр.", "2039"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Пришло время технического обслуживания. ЭККР блокирован. Пожалуйста, обратитесь в "
        "сервисный центр.",
        "2040"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "В режиме проверки контрольной суммы блока данных обнаружено несовпадение вычисленной и "
        "принятой контрольных сумм",
        "2041"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Неправильное использование режима программирования артикулов. Пожалуйста, установите "
        "правильный режим артикульно таблицы командой ARMOx",
        "2042"),
    QT_TRANSLATE_NOOP3("StringTable", "Папір майже закінчився. Будь ласка, встановіть новий папір.",
                       "2043"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Ошибка при открытии коммуникационного порта. Возможно, другая программа уже использует "
        "этот порт. Закройте другую программу и попробуйте еще раз.",
        "3012"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Добавьте пользователя в группу, которой принадлежит устройство (обычно \"dialout\": "
        "sudo usermod -aG dialout $USER), и войдите в систему заново.",
        "3013"),
    QT_TRANSLATE_NOOP3("StringTable", "Порт занят другой программой.", "3014"),
    QT_TRANSLATE_NOOP3("StringTable", "ссылка ведет на %1, которого нет", "3015"),
    // What became of a receipt whose close the register did not answer.
    QT_TRANSLATE_NOOP3("StringTable", "Чек №%1 зарегистрирован ЭККР", "3100"),
    QT_TRANSLATE_NOOP3("StringTable", "Чек не зарегистрирован ЭККР, его можно напечатать снова",
                       "3101"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "ЭККР не ответил на закрытие чека. Зарегистрирован ли чек, станет известно при следующей "
        "связи с ЭККР; до тех пор не печатайте его снова.",
        "3102"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "ЭККР не ответил на закрытие чека, и узнать, зарегистрирован ли чек, нельзя. Проверьте "
        "контрольную ленту ЭККР, прежде чем печатать чек снова.",
        "3103"),
    QT_TRANSLATE_NOOP3("StringTable", "Чек, оставшийся открытым на ЭККР, отменен.", "3104"),
    // The link: a line that ended, a rate the port refused.
    QT_TRANSLATE_NOOP3("StringTable", "Связь с ЭККР прервана: %1", "3105"),
    QT_TRANSLATE_NOOP3("StringTable", "Порт не принял скорость 57600 бод: %1", "3106"),
    // The protocol trace of the "Вид" menu.
    QT_TRANSLATE_NOOP3("StringTable", "&Протокол обмена в файл...", "3107"),
    QT_TRANSLATE_NOOP3("StringTable", "Файл протокола обмена", "3108"),
    QT_TRANSLATE_NOOP3("StringTable", "Протокол обмена не удалось начать: %1", "3109"),
    QT_TRANSLATE_NOOP3("StringTable", "Протокол обмена пишется в %1", "3110"),
    // The receipt journal.
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Номер последнего чека не удалось прочитать из ЭККР, поэтому чек не закрыт, а отменен: "
        "он не зарегистрирован, его можно напечатать снова.",
        "3111"),
    QT_TRANSLATE_NOOP3("StringTable", "Журнал чеков %1 недоступен: %2. Чек не напечатан.", "3112"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Этот чек уже печатался (%1), ответ ЭККР на его закрытие был потерян, и ЭККР "
        "зарегистрировал его как чек №%2.",
        "3113"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Этот чек уже печатался (%1), и зарегистрирован ли он ЭККР, неизвестно. Проверьте "
        "контрольную ленту ЭККР.",
        "3114"),
    QT_TRANSLATE_NOOP3("StringTable", "Напечатать этот чек еще раз?", "3115"),
    QT_TRANSLATE_NOOP3("StringTable", "&Журнал чеков", "3116"),
    QT_TRANSLATE_NOOP3("StringTable", "Журнал чеков", "3117"),
    QT_TRANSLATE_NOOP3("StringTable", "Сохранить в CSV", "3118"),
    QT_TRANSLATE_NOOP3("StringTable", "Файлы CSV (*.csv)", "3119"),
    QT_TRANSLATE_NOOP3("StringTable", "Время;ЭККР;Номер;Сумма;Наличные;Итог;Копия", "3120"),
    QT_TRANSLATE_NOOP3("StringTable", "зарегистрирован", "3121"),
    QT_TRANSLATE_NOOP3("StringTable", "не зарегистрирован", "3122"),
    QT_TRANSLATE_NOOP3("StringTable", "неизвестно", "3123"),
    QT_TRANSLATE_NOOP3("StringTable", "отменен", "3124"),
    QT_TRANSLATE_NOOP3("StringTable", "Журнал чеков %1 недоступен: %2.", "3125"),
    QT_TRANSLATE_NOOP3("StringTable", "Не показано строк журнала с недопустимыми значениями: %1.",
                       "3126"),
    QT_TRANSLATE_NOOP3("StringTable", "Закрыть", "3127"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Z-отчет закроет фискальный день ЭККР, и отменить это нельзя. Напечатать Z-отчет?", "3128"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "линия разорвана (кабель вынут, адаптер отключен или ЭККР выключен)",
                       "3129"),
    QT_TRANSLATE_NOOP3("StringTable", "ошибка чтения порта (код ошибки %1)", "3130"),
    QT_TRANSLATE_NOOP3("StringTable", "Печать чека: копия %1 из %2, строка %3 из %4", "3131"),
    QT_TRANSLATE_NOOP3("StringTable", "Прервать", "3132"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Печать прервана: открытый чек аннулирован, в журнале он отмечен как отмененный.", "3133"),
    QT_TRANSLATE_NOOP3("StringTable", "Ошибка при загрузке битового образа", "4300"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Неверный формат битового образа. Пожалуйста, подготовьте черно-белый битовый образ с "
        "максимальной шириной 432 и максимальной выстой 192 пиксела.",
        "4301"),
    QT_TRANSLATE_NOOP3("StringTable", "Неверный формат файла битового образа.", "4302"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Ошибка при передаче битового образа в ЭККР. Битовый образ не установлен.",
                       "4303"),
    QT_TRANSLATE_NOOP3("StringTable", "Подвал чека установлен.", "4304"),
    QT_TRANSLATE_NOOP3("StringTable", "Вы уверены, что хотите стереть все строки в подвале чека?",
                       "4305"),
    QT_TRANSLATE_NOOP3("StringTable", "Не удается установить многострочный подвал чека.", "4306"),
    QT_TRANSLATE_NOOP3("StringTable", "Установлен межстрочный интервал ", "4307"),
    QT_TRANSLATE_NOOP3("StringTable", "Ошибка при установке межстрочного интервала", "4308"),
    QT_TRANSLATE_NOOP3("StringTable", "Установлен режим печати скидок/надбавок", "4309"),
    QT_TRANSLATE_NOOP3("StringTable", "Ошибка при установке режима печати скидок/надбавок.",
                       "4310"),
    QT_TRANSLATE_NOOP3("StringTable", "Пустые строки не допускаются", "4311"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Символ \"%1\" нельзя напечатать на ЭККР: его нет в кодовой таблице ЭККР, и вместо него "
        "был бы напечатан знак \"?\". Пожалуйста, замените его.",
        "4313"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Подвал чека устанавливается только в сервисном режиме: подключитесь к ЭККР с именем "
        "оператора \"СЕРВІС\".",
        "4314"),
    QT_TRANSLATE_NOOP3("StringTable", "Текст", "4315"),
    QT_TRANSLATE_NOOP3("StringTable", "Журнал", "4316"),
    QT_TRANSLATE_NOOP3("StringTable", "Формат", "4317"),
    QT_TRANSLATE_NOOP3("StringTable", "Загрузить графический образ", "4318"),
    QT_TRANSLATE_NOOP3("StringTable", "Bitmap files (*.bmp)", "4319"),
    QT_TRANSLATE_NOOP3("StringTable", "Image files (*.bmp *.png)", "4320"),
    QT_TRANSLATE_NOOP3("StringTable", "All files (*)", "4321"),
    QT_TRANSLATE_NOOP3("StringTable", "%1 мм", "4322"),
    QT_TRANSLATE_NOOP3("StringTable", "Административная консоль для ЭККР \"Орвик\"", "6000"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Пожалуйста, выберите правильный коммуникационный порт, к которому подключен ЭККР", "6001"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Имя оператора не может быть пустым. Пожалуйста, введите имя оператора",
                       "6002"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Пароль оператора должен состоять не менее, чем из 10 символов. Пожалуста, введите "
        "правильный пароль оператора.",
        "6003"),
    {6004, "Касир"},
    QT_TRANSLATE_NOOP3("StringTable", "Доброго вам дня", "6005"),
    QT_TRANSLATE_NOOP3("StringTable", "Состояние: %s", "6006"),
    QT_TRANSLATE_NOOP3("StringTable", "ЗН ЭККР: %s", "6007"),
    QT_TRANSLATE_NOOP3("StringTable", "ПОДКЛЮЧЕН", "6008"),
    QT_TRANSLATE_NOOP3("StringTable", "НЕ ПОДКЛЮЧЕН", "6009"),
    QT_TRANSLATE_NOOP3("StringTable", "NUM", "6010"),
    QT_TRANSLATE_NOOP3("StringTable", "CAP", "6011"),
    QT_TRANSLATE_NOOP3("StringTable", "Подключение ЭККР", "6012"),
    QT_TRANSLATE_NOOP3("StringTable", "Отключение ЭККР", "6013"),
    QT_TRANSLATE_NOOP3("StringTable", "Орвик-683", "6014"),
    QT_TRANSLATE_NOOP3("StringTable", "&Подключение ЭККР\tEnter", "6020"),
    QT_TRANSLATE_NOOP3("StringTable", "Подключить", "6021"),
    QT_TRANSLATE_NOOP3("StringTable", "&Отключение ЭККР", "6022"),
    QT_TRANSLATE_NOOP3("StringTable", "Отключить", "6023"),
    QT_TRANSLATE_NOOP3("StringTable", "В&ыход", "6024"),
    QT_TRANSLATE_NOOP3("StringTable", "Завершение работы с консолью", "6025"),
    QT_TRANSLATE_NOOP3("StringTable", "Строка &состояния", "6026"),
    QT_TRANSLATE_NOOP3("StringTable", "Показать или скрыть строку состояния", "6027"),
    QT_TRANSLATE_NOOP3("StringTable", "&О программе \"Административная консоль для ЭККР Орвик\"",
                       "6028"),
    QT_TRANSLATE_NOOP3("StringTable", "Сведения о программе и ее версии", "6029"),
    QT_TRANSLATE_NOOP3("StringTable", "Панель инструментов", "6030"),
    QT_TRANSLATE_NOOP3("StringTable", "Соединение", "6031"),
    QT_TRANSLATE_NOOP3("StringTable", "&Соединение", "6032"),
    QT_TRANSLATE_NOOP3("StringTable", "&Вид", "6033"),
    QT_TRANSLATE_NOOP3("StringTable", "Панель &инструментов", "6034"),
    QT_TRANSLATE_NOOP3("StringTable", "Показать или скрыть панель инструментов", "6035"),
    QT_TRANSLATE_NOOP3("StringTable", "&О программе", "6036"),
    QT_TRANSLATE_NOOP3("StringTable", "Версия: %1,%2,%3,%4", "6037"),
    QT_TRANSLATE_NOOP3("StringTable", "&Язык", "6038"),
    QT_TRANSLATE_NOOP3("StringTable", "Язык текстов консоли", "6039"),
    QT_TRANSLATE_NOOP3("StringTable", "Установки ЭККР", "6040"),
    QT_TRANSLATE_NOOP3("StringTable", "Установки ЭККР 2", "6041"),
    QT_TRANSLATE_NOOP3("StringTable", "Отчеты", "6042"),
    QT_TRANSLATE_NOOP3("StringTable", "Печать чеков", "6043"),
    QT_TRANSLATE_NOOP3("StringTable", "Терминал", "6044"),
    QT_TRANSLATE_NOOP3("StringTable", "Выбранный язык консоль покажет после перезапуска.", "6045"),
    QT_TRANSLATE_NOOP3("StringTable", "электронные кассовые регистраторы", "6046"),
    QT_TRANSLATE_NOOP3("StringTable", "Команды и ответы ЭККР уровня протокола", "6100"),
    QT_TRANSLATE_NOOP3("StringTable", "Открыть командный файл ЭККР", "6101"),
    QT_TRANSLATE_NOOP3("StringTable", "Сохранить команды в файл", "6102"),
    QT_TRANSLATE_NOOP3("StringTable", "Командные файлы ЭККР (*.cmd)", "6103"),
    QT_TRANSLATE_NOOP3("StringTable", "Сохранить протокол в файл", "6104"),
    QT_TRANSLATE_NOOP3("StringTable", "Файлы отчетов ЭККР (*.rpt)", "6105"),
    // On Linux a name need not have a dot to be shown.
    QT_TRANSLATE_NOOP3("StringTable", "Все файлы (*)", "6106"),
    QT_TRANSLATE_NOOP3("StringTable", "%1\n\n%2", "6107"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Файл %1 не является командным файлом: строка %2 содержит двоичные данные.",
                       "6108"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "Файл %1 не является командным файлом: в нем больше %2 команд.", "6109"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "Некоторые символы нельзя записать в кодировке Windows-1251: в файле они будут заменены "
        "знаком \"?\". Сохранить файл?",
        "6110"),
    QT_TRANSLATE_NOOP3("StringTable", "Unable to open hyperlink:\n\n", "6198"),
    QT_TRANSLATE_NOOP3("StringTable", "Unknown Error (%1) occurred.", "6199"),
    QT_TRANSLATE_NOOP3("StringTable", "The operating system is out\nof memory or resources.",
                       "6200"),
    QT_TRANSLATE_NOOP3("StringTable", "The specified file was not found.", "6202"),
    QT_TRANSLATE_NOOP3("StringTable", "The specified path was not found.", "6203"),
    QT_TRANSLATE_NOOP3("StringTable", "The operating system denied\naccess to the specified file.",
                       "6205"),
    QT_TRANSLATE_NOOP3("StringTable", "There was not enough memory to complete the operation.",
                       "6208"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).",
                       "6211"),
    QT_TRANSLATE_NOOP3("StringTable", "A sharing violation occurred. ", "6226"),
    QT_TRANSLATE_NOOP3("StringTable", "The filename association is\nincomplete or invalid.",
                       "6227"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "The DDE transaction could not\nbe completed because the request timed out.",
                       "6228"),
    QT_TRANSLATE_NOOP3("StringTable", "The DDE transaction failed.", "6229"),
    QT_TRANSLATE_NOOP3(
        "StringTable",
        "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
        "processed.",
        "6230"),
    QT_TRANSLATE_NOOP3("StringTable",
                       "There is no application associated\nwith the given filename extension.",
                       "6231"),
    QT_TRANSLATE_NOOP3("StringTable", "The specified dynamic-link library was not found.", "6232"),
};

#undef QT_TRANSLATE_NOOP3

// A text of the table as UTF-16 (the table itself is UTF-8, as lupdate reads it).
std::u16string Utf16(const char* text) {
    std::u16string out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0) {
        char32_t c = *p;
        int more = 0;
        if (c >= 0xF0) {
            c &= 0x07;
            more = 3;
        } else if (c >= 0xE0) {
            c &= 0x0F;
            more = 2;
        } else if (c >= 0xC0) {
            c &= 0x1F;
            more = 1;
        }
        ++p;
        for (; more > 0 && (*p & 0xC0) == 0x80; --more, ++p) {
            c = (c << 6) | (*p & 0x3F);
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

// The table in each language, converted once: the Russian texts, and for the others each text
// in that language where its translation is finished, else the Russian one.
struct LanguageTable {
    std::vector<int> ids;
    std::vector<std::u16string> texts;
};

bool Translatable(int id) {
    return id != kStrTaxLetters && id != kStrDefaultOperatorName;
}

LanguageTable MakeTable(Language language) {
    LanguageTable table;
    const auto translated = TranslatedStrings(language);
    for (const StringEntry& entry : kStrings) {
        table.ids.push_back(entry.id);
        std::u16string text = Utf16(entry.text);
        if (Translatable(entry.id)) {
            if (language == Language::Pseudo) {
                text = u"[[" + text + u"]]";
            } else {
                const auto it =
                    std::lower_bound(translated.begin(), translated.end(), entry.id,
                                     [](const TranslatedString& t, int key) { return t.id < key; });
                if (it != translated.end() && it->id == entry.id && it->text[0] != u'\0') {
                    text = it->text;
                }
            }
        }
        table.texts.push_back(std::move(text));
    }
    return table;
}

const LanguageTable& Table(Language language) {
    static const LanguageTable tables[] = {
        MakeTable(Language::Russian), MakeTable(Language::Ukrainian), MakeTable(Language::English),
        MakeTable(Language::Pseudo)};
    return tables[static_cast<int>(language)];
}

std::atomic<Language> g_language{Language::Russian};

}  // namespace

void SetLanguage(Language language) {
    g_language = language;
}

Language CurrentLanguage() {
    return g_language;
}

const char16_t* FindString(int id, Language language) {
    const LanguageTable& table = Table(language);
    const auto it = std::lower_bound(table.ids.begin(), table.ids.end(), id);
    if (it == table.ids.end() || *it != id) {
        return nullptr;
    }
    return table.texts[static_cast<std::size_t>(it - table.ids.begin())].c_str();
}

const char16_t* FindString(int id) {
    return FindString(id, CurrentLanguage());
}

std::u16string LoadString(int id) {
    const char16_t* text = FindString(id);
    return text ? std::u16string(text) : std::u16string();
}

int FindMessageNumber(std::u16string_view shown) {
    // A formatted message is told by this much of its fixed text at least.
    constexpr std::size_t kShortestHead = 8;
    const LanguageTable& table = Table(CurrentLanguage());
    int best = 0;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < table.ids.size(); ++i) {
        const std::u16string_view text = table.texts[i];
        const std::size_t marker = text.find(u"%1");
        const std::u16string_view head = text.substr(0, marker);
        if (head.empty() || !shown.starts_with(head) || head.size() <= bestLength) {
            continue;
        }
        const bool whole = marker == std::u16string_view::npos &&
                           (shown.size() == head.size() || shown[head.size()] == u'\n');
        if (whole || (marker != std::u16string_view::npos && head.size() >= kShortestHead)) {
            best = table.ids[i];
            bestLength = head.size();
        }
    }
    return best;
}

std::u16string FormatText(std::u16string_view text,
                          std::initializer_list<std::u16string_view> arguments) {
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t next = i + 1 < text.size() ? text[i + 1] : u'\0';
        const auto index = static_cast<std::size_t>(next - u'1');
        if (text[i] == u'%' && next >= u'1' && next <= u'9' && index < arguments.size()) {
            result += arguments.begin()[index];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::u16string FormatMessage(int id, std::initializer_list<std::u16string_view> arguments) {
    return FormatText(LoadString(id), arguments);
}

}  // namespace orvik
