<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Об административной консоли для ЭККР &quot;Орвик&quot;</source>
        <translation>Про адміністративну консоль для ЕККР &quot;Орвік&quot;</translation>
    </message>
    <message>
        <source>Административная консоль для настройки ЭККР &quot;Орвик&quot;</source>
        <translation>Адміністративна консоль для налаштування ЕККР &quot;Орвік&quot;</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Разработка: Орвик Софт</source>
        <translation>Розробка: Орвік Софт</translation>
    </message>
    <message>
        <source>Распространение и поддержка:</source>
        <translation>Розповсюдження та підтримка:</translation>
    </message>
</context>
<context>
    <name>BottomLineDlg</name>
    <message>
        <source>Строка подвала чека</source>
        <translation>Рядок підвалу чека</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Печатать на журнальной (контрольной) ленте</source>
        <translation>Друкувати на журнальній (контрольній) стрічці</translation>
    </message>
    <message>
        <source>Формат печати</source>
        <translation>Формат друку</translation>
    </message>
    <message>
        <source>Удвоить ширину букв</source>
        <translation>Подвоїти ширину літер</translation>
    </message>
    <message>
        <source>Удвоить высоту букв</source>
        <translation>Подвоїти висоту літер</translation>
    </message>
</context>
<context>
    <name>ConnectionBar</name>
    <message>
        <source>Порт</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Имя оператора</source>
        <translation>Ім&apos;я оператора</translation>
    </message>
    <message>
        <source>Пароль оператора</source>
        <translation>Пароль оператора</translation>
    </message>
</context>
<context>
    <name>ContactPanel</name>
    <message>
        <source>Орвик Системс
ул. Образцовая, 10
01001, г. Киев</source>
        <translation>Орвік Системс
вул. Зразкова, 10
01001, м. Київ</translation>
    </message>
    <message>
        <source>По вопросам приобретения ЭККР &quot;Орвик&quot; и заключения сервисных договоров обращайтесь по телефонам:</source>
        <translation>З питань придбання ЕККР &quot;Орвік&quot; та укладення сервісних договорів телефонуйте:</translation>
    </message>
    <message>
        <source>+380 44 000-00-01
+380 44 000-00-02
+380 44 000-00-03 (факс)</source>
        <translation>+380 44 000-00-01
+380 44 000-00-02
+380 44 000-00-03 (факс)</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>WWW:</source>
        <translation>WWW:</translation>
    </message>
</context>
<context>
    <name>MoveCashDlg</name>
    <message>
        <source>Внесение наличности/инкассация</source>
        <translation>Службове внесення/інкасація</translation>
    </message>
    <message>
        <source>Выберите нужную операцию (внесение раличности или инкассация) и введите сумму операции.</source>
        <translation>Виберіть потрібну операцію (службове внесення або інкасацію) та введіть суму операції.</translation>
    </message>
    <message>
        <source>Информация по кассе</source>
        <translation>Інформація про касу</translation>
    </message>
    <message>
        <source>Остаток наличности в кассе:</source>
        <translation>Залишок готівки в касі:</translation>
    </message>
    <message>
        <source>Движение наличности</source>
        <translation>Рух готівки</translation>
    </message>
    <message>
        <source>Внесение наличности</source>
        <translation>Службове внесення</translation>
    </message>
    <message>
        <source>Инкассация (выдача наличности)</source>
        <translation>Інкасація (службова видача)</translation>
    </message>
    <message>
        <source>Сумма:</source>
        <translation>Сума:</translation>
    </message>
    <message>
        <source>&amp;Печатать чек</source>
        <translation>&amp;Друкувати чек</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Наименование товара должно быть непустым. Пожалуйста, введите наименование товара.</source>
        <comment>140</comment>
        <translation>Назва товару не може бути порожньою. Будь ласка, введіть назву товару.</translation>
    </message>
    <message>
        <source>Название скидки/надбавки и ее сумма должны буть непустыми. Пожалуйста, введите данные по скидке/надбавке.</source>
        <comment>141</comment>
        <translation>Назва знижки/надбавки та її сума не можуть бути порожніми. Будь ласка, введіть дані знижки/надбавки.</translation>
    </message>
    <message>
        <source>Запрещено облагать товар одной и той же налоговой ставкой. Пожалуйста, выберите правильную налоговую ставку.</source>
        <comment>142</comment>
        <translation>Не можна оподатковувати товар двічі однією й тією самою податковою ставкою. Будь ласка, виберіть правильну податкову ставку.</translation>
    </message>
    <message>
        <source>Неверная цена товара. Пожылуйста, введите правильную цену товара.</source>
        <comment>161</comment>
        <translation>Неправильна ціна товару. Будь ласка, введіть правильну ціну товару.</translation>
    </message>
    <message>
        <source>Приложение налогов разного типа к одной товарной позиции запрещено. Пожалуйста, выберите однотипные налоговые ставки.</source>
        <comment>162</comment>
        <translation>Не можна застосовувати до однієї товарної позиції податки різного типу. Будь ласка, виберіть податкові ставки одного типу.</translation>
    </message>
    <message>
        <source>Нет связи или ЭККР не отвечает. Пожалуйста, проверьте, включен ли ЭККР и подключен ли он кабелем. Также проверьте, правильно ли выбран коммуникационный порт, к которому подключен ЭККР.</source>
        <comment>1003</comment>
        <translation>Немає зв&apos;язку або ЕККР не відповідає. Будь ласка, перевірте, чи ввімкнено ЕККР і чи під&apos;єднано його кабелем. Також перевірте, чи правильно вибрано комунікаційний порт, до якого під&apos;єднано ЕККР.</translation>
    </message>
    <message>
        <source>Введенный пароль недопустим для данного ЭККР. Пожалуйста, введите правильный пароль</source>
        <comment>1004</comment>
        <translation>Введений пароль недопустимий для цього ЕККР. Будь ласка, введіть правильний пароль</translation>
    </message>
    <message>
        <source>Слишком большое количество делимого товара для одной строки чека.</source>
        <comment>1060</comment>
        <translation>Завелика кількість вагового товару для одного рядка чека.</translation>
    </message>
    <message>
        <source>Передано недостаточное количество денег для оплаты чека. Проверьте правильность работы прикладной программы.</source>
        <comment>1061</comment>
        <translation>Передано недостатньо грошей для оплати чека. Перевірте правильність роботи прикладної програми.</translation>
    </message>
    <message>
        <source>Цена товара, сумма строки чека или сумма скидки/надбавки вне допустимого для ЭККР диапазона (от 0 до 999999999 в младших единицах валюты).</source>
        <comment>1062</comment>
        <translation>Ціна товару, сума рядка чека або сума знижки/надбавки поза допустимим для ЕККР діапазоном (від 0 до 999999999 у молодших одиницях валюти).</translation>
    </message>
    <message>
        <source>Файл не является файлом чека: строка %1 содержит двоичные данные.</source>
        <comment>1063</comment>
        <translation>Файл не є файлом чека: рядок %1 містить двійкові дані.</translation>
    </message>
    <message>
        <source>Файл не является файлом чека: строка %1 длиннее 4095 байт.</source>
        <comment>1064</comment>
        <translation>Файл не є файлом чека: рядок %1 довший за 4095 байт.</translation>
    </message>
    <message>
        <source>Файл не является файлом чека: в нем больше %1 товарных позиций.</source>
        <comment>1065</comment>
        <translation>Файл не є файлом чека: у ньому більше %1 товарних позицій.</translation>
    </message>
    <message>
        <source>Строка %1: полей %2 вместо %3; недостающие поля считаются пустыми, лишние отбрасываются.</source>
        <comment>1066</comment>
        <translation>Рядок %1: полів %2 замість %3; відсутні поля вважаються порожніми, зайві відкидаються.</translation>
    </message>
    <message>
        <source>Строка %1, поле %2: &quot;%3&quot; не является числом и считается нулем.</source>
        <comment>1067</comment>
        <translation>Рядок %1, поле %2: &quot;%3&quot; не є числом і вважається нулем.</translation>
    </message>
    <message>
        <source>Чек нельзя сохранить: текст &quot;%1&quot; (%2) содержит символ &quot;;&quot;, перевод строки или другой управляющий символ, которые нарушат формат файла чека.</source>
        <comment>1068</comment>
        <translation>Чек не можна зберегти: текст &quot;%1&quot; (%2) містить символ &quot;;&quot;, переведення рядка або інший керівний символ, які порушать формат файлу чека.</translation>
    </message>
    <message>
        <source>Чек нельзя сохранить: текст &quot;%1&quot; (%2) содержит символы, которых нет в кодировке Windows-1251.</source>
        <comment>1069</comment>
        <translation>Чек не можна зберегти: текст &quot;%1&quot; (%2) містить символи, яких немає в кодуванні Windows-1251.</translation>
    </message>
    <message>
        <source>Чек нельзя сохранить: строка %1 файла была бы длиннее 4095 байт.</source>
        <comment>1070</comment>
        <translation>Чек не можна зберегти: рядок %1 файлу був би довшим за 4095 байт.</translation>
    </message>
    <message>
        <source>Чек нельзя сохранить: в нем больше %1 товарных позиций.</source>
        <comment>1071</comment>
        <translation>Чек не можна зберегти: у ньому більше %1 товарних позицій.</translation>
    </message>
    <message>
        <source>Текст &quot;%1&quot; содержит символ &quot;;&quot;, перевод строки или другой управляющий символ: ЭККР его не напечатает, а файл чека его не сохранит. Пожалуйста, исправьте текст.</source>
        <comment>1072</comment>
        <translation>Текст &quot;%1&quot; містить символ &quot;;&quot;, переведення рядка або інший керівний символ: ЕККР його не надрукує, а файл чека його не збереже. Будь ласка, виправте текст.</translation>
    </message>
    <message>
        <source>Текст &quot;%1&quot; содержит символы, которые ЭККР не может напечатать. Пожалуйста, исправьте текст.</source>
        <comment>1073</comment>
        <translation>Текст &quot;%1&quot; містить символи, яких ЕККР не може надрукувати. Будь ласка, виправте текст.</translation>
    </message>
    <message>
        <source>Количество товара &quot;%1&quot; должно быть числом больше нуля.</source>
        <comment>1074</comment>
        <translation>Кількість товару &quot;%1&quot; має бути числом, більшим за нуль.</translation>
    </message>
    <message>
        <source>Количество штучного товара &quot;%1&quot; должно быть целым числом.</source>
        <comment>1075</comment>
        <translation>Кількість штучного товару &quot;%1&quot; має бути цілим числом.</translation>
    </message>
    <message>
        <source>Количество весового товара &quot;%1&quot; должно быть не меньше 0.001 и иметь не больше трех знаков после точки.</source>
        <comment>1076</comment>
        <translation>Кількість вагового товару &quot;%1&quot; має бути не меншою за 0.001 і мати не більше трьох знаків після крапки.</translation>
    </message>
    <message>
        <source>Сумма &quot;%1&quot; имеет больше знаков после точки, чем денежная единица ЭККР (%2). Пожалуйста, введите правильную сумму.</source>
        <comment>1077</comment>
        <translation>Сума &quot;%1&quot; має більше знаків після крапки, ніж грошова одиниця ЕККР (%2). Будь ласка, введіть правильну суму.</translation>
    </message>
    <message>
        <source>Налоговая ставка %1 не запрограммирована в ЭККР. Пожалуйста, выберите другую налоговую ставку.</source>
        <comment>1078</comment>
        <translation>Податкову ставку %1 не запрограмовано в ЕККР. Будь ласка, виберіть іншу податкову ставку.</translation>
    </message>
    <message>
        <source>Сумма скидки %1 больше суммы товарной позиции %2.</source>
        <comment>1079</comment>
        <translation>Сума знижки %1 більша за суму товарної позиції %2.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <comment>1080</comment>
        <translation>Будь ласка, введіть ціле число.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <comment>1081</comment>
        <translation>Будь ласка, введіть ціле число від %1 до %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <comment>1082</comment>
        <translation>Будь ласка, введіть не більше %1 символів.</translation>
    </message>
    <message>
        <source>Сумма оплаты &quot;%1&quot; не является числом.</source>
        <comment>1083</comment>
        <translation>Сума оплати &quot;%1&quot; не є числом.</translation>
    </message>
    <message>
        <source>Сумма оплаты не может быть меньше нуля: %1.</source>
        <comment>1084</comment>
        <translation>Сума оплати не може бути меншою за нуль: %1.</translation>
    </message>
    <message>
        <source>Сумма оплаты %1 больше, чем ЭККР может принять.</source>
        <comment>1085</comment>
        <translation>Сума оплати %1 більша, ніж може прийняти ЕККР.</translation>
    </message>
    <message>
        <source>Оплаты 1-3 (%1 + %2 + %3 = %4) превышают сумму чека %5: наличные были бы отрицательными. Пожалуйста, уменьшите оплаты.</source>
        <comment>1086</comment>
        <translation>Оплати 1-3 (%1 + %2 + %3 = %4) перевищують суму чека %5: готівка була б від&apos;ємною. Будь ласка, зменште оплати.</translation>
    </message>
    <message>
        <source>Оплата чека не может быть меньше нуля, а оплаты кроме наличных не могут превышать сумму чека. Чек не закрыт.</source>
        <comment>1087</comment>
        <translation>Оплата чека не може бути меншою за нуль, а оплати, крім готівки, не можуть перевищувати суму чека. Чек не закрито.</translation>
    </message>
    <message>
        <source>Строка %1: полей %2, а должно быть %3.</source>
        <comment>1088</comment>
        <translation>Рядок %1: полів %2, а має бути %3.</translation>
    </message>
    <message>
        <source>Строка %1, поле %2: &quot;%3&quot; не является числом.</source>
        <comment>1089</comment>
        <translation>Рядок %1, поле %2: &quot;%3&quot; не є числом.</translation>
    </message>
    <message>
        <source>Файл не является файлом чека: он больше %1 байт.</source>
        <comment>1090</comment>
        <translation>Файл не є файлом чека: він більший за %1 байт.</translation>
    </message>
    <message>
        <source>Опции автообрезки и звукового сигнала успешно установлены.</source>
        <comment>1091</comment>
        <translation>Параметри автообрізання та звукового сигналу встановлено.</translation>
    </message>
    <message>
        <source>Текст заголовока и подвала чека успешно изменен.</source>
        <comment>1092</comment>
        <translation>Текст заголовка та підвалу чека змінено.</translation>
    </message>
    <message>
        <source>Режим работы артикульной таблицы успешно установлен.</source>
        <comment>1093</comment>
        <translation>Режим роботи артикульної таблиці встановлено.</translation>
    </message>
    <message>
        <source>Режим расчета наложенных налогов успешно установлен.</source>
        <comment>1094</comment>
        <translation>Режим розрахунку накладених податків встановлено.</translation>
    </message>
    <message>
        <source>Режим печати наложенных налогов успешно установлен.</source>
        <comment>1095</comment>
        <translation>Режим друку накладених податків встановлено.</translation>
    </message>
    <message>
        <source>Набор служебных сообщений на чеке успешно установлен.</source>
        <comment>1096</comment>
        <translation>Набір службових повідомлень на чеку встановлено.</translation>
    </message>
    <message>
        <source>Мнемоника торгового отдела успешно установлена.</source>
        <comment>1097</comment>
        <translation>Мнемоніку торгового відділу встановлено.</translation>
    </message>
    <message>
        <source>Строка %1, поле %2: признак &quot;%3&quot; должен быть 0 или 1.</source>
        <comment>1098</comment>
        <translation>Рядок %1, поле %2: ознака &quot;%3&quot; має бути 0 або 1.</translation>
    </message>
    <message>
        <source>НЕ ОБЛАГАЕТСЯ</source>
        <comment>1100</comment>
        <translation>НЕ ОПОДАТКОВУЄТЬСЯ</translation>
    </message>
    <message>
        <source>Вложенный</source>
        <comment>1101</comment>
        <translation>Вкладений</translation>
    </message>
    <message>
        <source>Наложенный</source>
        <comment>1102</comment>
        <translation>Накладений</translation>
    </message>
    <message>
        <source>Налог на прибыль (с выигрыша)</source>
        <comment>1103</comment>
        <translation>Податок на прибуток (з виграшу)</translation>
    </message>
    <message>
        <source>Наименование</source>
        <comment>1104</comment>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Артикул</source>
        <comment>1105</comment>
        <translation>Артикул</translation>
    </message>
    <message>
        <source>Весовой</source>
        <comment>1106</comment>
        <translation>Ваговий</translation>
    </message>
    <message>
        <source>Количество</source>
        <comment>1107</comment>
        <translation>Кількість</translation>
    </message>
    <message>
        <source>Цена</source>
        <comment>1108</comment>
        <translation>Ціна</translation>
    </message>
    <message>
        <source>Налог 1</source>
        <comment>1109</comment>
        <translation>Податок 1</translation>
    </message>
    <message>
        <source>Налог 2</source>
        <comment>1110</comment>
        <translation>Податок 2</translation>
    </message>
    <message>
        <source>Тип Скидки</source>
        <comment>1111</comment>
        <translation>Тип знижки</translation>
    </message>
    <message>
        <source>Название Скидки</source>
        <comment>1112</comment>
        <translation>Назва знижки</translation>
    </message>
    <message>
        <source>Сумма Скидки</source>
        <comment>1113</comment>
        <translation>Сума знижки</translation>
    </message>
    <message>
        <source>Сложный налог</source>
        <comment>1114</comment>
        <translation>Складний податок</translation>
    </message>
    <message>
        <source>Сохранить чек в файле</source>
        <comment>1115</comment>
        <translation>Зберегти чек у файлі</translation>
    </message>
    <message>
        <source>Загрузить чек из файла</source>
        <comment>1116</comment>
        <translation>Завантажити чек із файлу</translation>
    </message>
    <message>
        <source>Файлы ЭККР с чеками (*.check)</source>
        <comment>1117</comment>
        <translation>Файли ЕККР із чеками (*.check)</translation>
    </message>
    <message>
        <source>Строка %1 списка: %2</source>
        <comment>1120</comment>
        <translation>Рядок %1 списку: %2</translation>
    </message>
    <message>
        <source>К оплате: %1</source>
        <comment>1121</comment>
        <translation>До сплати: %1</translation>
    </message>
    <message>
        <source>Продажи: %1</source>
        <comment>1122</comment>
        <translation>Продажі: %1</translation>
    </message>
    <message>
        <source>Возвраты: %1</source>
        <comment>1123</comment>
        <translation>Повернення: %1</translation>
    </message>
    <message>
        <source>%1 %2%: %3</source>
        <comment>1124</comment>
        <translation>%1 %2%: %3</translation>
    </message>
    <message>
        <source>Оплачено: %1 (наличные %2, оплаты 1-3: %3)</source>
        <comment>1125</comment>
        <translation>Сплачено: %1 (готівка %2, оплати 1-3: %3)</translation>
    </message>
    <message>
        <source>Сдача: %1</source>
        <comment>1126</comment>
        <translation>Решта: %1</translation>
    </message>
    <message>
        <source>Не хватает: %1. ЭККР не закроет такой чек.</source>
        <comment>1127</comment>
        <translation>Бракує: %1. ЕККР не закриє такий чек.</translation>
    </message>
    <message>
        <source>Не учтено строк: %1 (их количество или суммы ЭККР не примет).</source>
        <comment>1128</comment>
        <translation>Не враховано рядків: %1 (їхню кількість або суми ЕККР не прийме).</translation>
    </message>
    <message>
        <source>Отмечен &quot;Сложный налог&quot;: при печати чек будет оплачен наличными ровно на сумму к оплате, поля оплаты не учитываются.</source>
        <comment>1129</comment>
        <translation>Позначено &quot;Складний податок&quot;: під час друку чек буде сплачено готівкою рівно на суму до сплати, поля оплати не враховуються.</translation>
    </message>
    <message>
        <source>ЭККР не подключен: итог будет рассчитан после подключения.</source>
        <comment>1130</comment>
        <translation>ЕККР не під&apos;єднано: підсумок буде розраховано після під&apos;єднання.</translation>
    </message>
    <message>
        <source>Файл %1 загружен, но в нем есть ошибки:
%2</source>
        <comment>1131</comment>
        <translation>Файл %1 завантажено, але в ньому є помилки:
%2</translation>
    </message>
    <message>
        <source>строка %1 списка, столбец &quot;%2&quot;</source>
        <comment>1132</comment>
        <translation>рядок %1 списку, стовпець &quot;%2&quot;</translation>
    </message>
    <message>
        <source>поле &quot;Оплата %1:&quot;</source>
        <comment>1133</comment>
        <translation>поле &quot;Оплата %1:&quot;</translation>
    </message>
    <message>
        <source>Налог на выигрыш %1 ЭККР вычитает из суммы чека: он возьмет %2, а не %3 (сумма с прибавленным налогом).</source>
        <comment>1134</comment>
        <translation>Податок на виграш %1 ЕККР віднімає від суми чека: він візьме %2, а не %3 (сума з доданим податком).</translation>
    </message>
    <message>
        <source>Отмечен &quot;Сложный налог&quot;: оплаты 1-3 при печати не будут использованы, чек будет оплачен наличными на всю сумму к оплате (%1).</source>
        <comment>1135</comment>
        <translation>Позначено &quot;Складний податок&quot;: оплати 1-3 під час друку не буде використано, чек буде сплачено готівкою на всю суму до сплати (%1).</translation>
    </message>
    <message>
        <source>Неправильный формат посылки, возможно сбой в канале связи</source>
        <comment>2000</comment>
        <translation>Неправильний формат посилки, можливо, збій у каналі зв&apos;язку</translation>
    </message>
    <message>
        <source>Для продолжения работы необходимо выполнить Z-отчет</source>
        <comment>2001</comment>
        <translation>Для продовження роботи необхідно виконати Z-звіт</translation>
    </message>
    <message>
        <source>Ключ находится в положении &quot;Отключено&quot;. Для продолжения работы переведите ключ в рабочее положение.</source>
        <comment>2002</comment>
        <translation>Ключ у положенні &quot;Вимкнено&quot;. Для продовження роботи переведіть ключ у робоче положення.</translation>
    </message>
    <message>
        <source>Передана неизвестная принтеру команда. Возможен сбой в канале связи.</source>
        <comment>2003</comment>
        <translation>Передано невідому принтеру команду. Можливий збій у каналі зв&apos;язку.</translation>
    </message>
    <message>
        <source>Переданная команда не соответствует ожидаемой принтером последовательности. Проверьте правильность работы программы</source>
        <comment>2004</comment>
        <translation>Передана команда не відповідає очікуваній принтером послідовності. Перевірте правильність роботи програми</translation>
    </message>
    <message>
        <source>Z-отчет не сформирован из-за ошибки или аварии</source>
        <comment>2005</comment>
        <translation>Z-звіт не сформовано через помилку або аварію</translation>
    </message>
    <message>
        <source>Переполнение фискальной памяти. Обратитесь в сервисный центр для покупки нового аппарата.</source>
        <comment>2006</comment>
        <translation>Переповнення фіскальної пам&apos;яті. Зверніться до сервісного центру для придбання нового апарата.</translation>
    </message>
    <message>
        <source>Встроенные часы содержат неверное время. Текущая дата меньше даты последнего Z-отчета</source>
        <comment>2007</comment>
        <translation>Вбудований годинник показує неправильний час. Поточна дата менша за дату останнього Z-звіту</translation>
    </message>
    <message>
        <source>Неверный тип, количество или значение параметров команды</source>
        <comment>2008</comment>
        <translation>Неправильний тип, кількість або значення параметрів команди</translation>
    </message>
    <message>
        <source>Введен неправильный пароль кассира. Повторите ввод пароля</source>
        <comment>2009</comment>
        <translation>Введено неправильний пароль касира. Повторіть введення пароля</translation>
    </message>
    <message>
        <source>В процессе печати чека не выполненны соотношения между параметрами команды или их значения не равны рассчетным</source>
        <comment>2010</comment>
        <translation>Під час друку чека не виконано співвідношень між параметрами команди або їхні значення не дорівнюють розрахунковим</translation>
    </message>
    <message>
        <source>Принтер неработоспособен ввиду отсутствия заводского номера. Обратитесь на завод-изготовитель.
Тел.: +380 44 000-00-00
E-mail: factory@orvik.example</source>
        <comment>2011</comment>
        <translation>Принтер непрацездатний через відсутність заводського номера. Зверніться на завод-виробник.
Тел.: +380 44 000-00-00
E-mail: factory@orvik.example</translation>
    </message>
    <message>
        <source>Переведите ключ в положение &quot;РЕГИСТРАЦИЯ&quot; (Р)</source>
        <comment>2012</comment>
        <translation>Переведіть ключ у положення &quot;РЕЄСТРАЦІЯ&quot; (Р)</translation>
    </message>
    <message>
        <source>Переведите ключ в положение &quot;ПРОГРАММИРОВАНИЕ&quot; (П)</source>
        <comment>2013</comment>
        <translation>Переведіть ключ у положення &quot;ПРОГРАМУВАННЯ&quot; (П)</translation>
    </message>
    <message>
        <source>Переведите ключ в положение &quot;X-ОТЧЕТ&quot; (X)</source>
        <comment>2014</comment>
        <translation>Переведіть ключ у положення &quot;X-ЗВІТ&quot; (X)</translation>
    </message>
    <message>
        <source>Переведите ключ в положение &quot;Z-ОТЧЕТ&quot; (Z)</source>
        <comment>2015</comment>
        <translation>Переведіть ключ у положення &quot;Z-ЗВІТ&quot; (Z)</translation>
    </message>
    <message>
        <source>Программируемое значение уже присутствует в фискальной памяти</source>
        <comment>2016</comment>
        <translation>Програмоване значення вже є у фіскальній пам&apos;яті</translation>
    </message>
    <message>
        <source>В фискальной памяти аппарата не найдена регистрационная информация. Фискальная работа аппарата невозможна. Обратитесь в сервисный центр.</source>
        <comment>2017</comment>
        <translation>У фіскальній пам&apos;яті апарата не знайдено реєстраційної інформації. Фіскальна робота апарата неможлива. Зверніться до сервісного центру.</translation>
    </message>
    <message>
        <source>В фискальной памяти апарата не найдена информация о денежной единице. Обратитесь в сервисный центр.</source>
        <comment>2018</comment>
        <translation>У фіскальній пам&apos;яті апарата не знайдено інформації про грошову одиницю. Зверніться до сервісного центру.</translation>
    </message>
    <message>
        <source>Превышение разрядности чисел при выполнении вычислений</source>
        <comment>2019</comment>
        <translation>Перевищення розрядності чисел під час обчислень</translation>
    </message>
    <message>
        <source>Нет бумаги. Для продолжения работы вставьте бумагу в принтер и проверьте ее прохождение через щели датчиков наличия бумаги.</source>
        <comment>2020</comment>
        <translation>Немає паперу. Для продовження роботи вставте папір у принтер і перевірте, як він проходить крізь щілини датчиків наявності паперу.</translation>
    </message>
    <message>
        <source>Возможно принтер смял бумагу или сломался. Если Вам не удается самостоятельно справиться с этой проблемой - обратитесь в сервисный центр.</source>
        <comment>2021</comment>
        <translation>Можливо, принтер зім&apos;яв папір або зламався. Якщо ви не можете самостійно впоратися з цією проблемою, зверніться до сервісного центру.</translation>
    </message>
    <message>
        <source>Возможно принтер смял бумагу или сломался. Если Вам не удается самостоятельно справиться с этой проблемой - обратитесь в сервисный центр.</source>
        <comment>2022</comment>
        <translation>Можливо, принтер зім&apos;яв папір або зламався. Якщо ви не можете самостійно впоратися з цією проблемою, зверніться до сервісного центру.</translation>
    </message>
    <message>
        <source>Ошибка в канале связи (Ошибка паритета)</source>
        <comment>2023</comment>
        <translation>Помилка в каналі зв&apos;язку (помилка парності)</translation>
    </message>
    <message>
        <source>Системные часы содержат неверное время. Оратитесь в сервисный центр.</source>
        <comment>2024</comment>
        <translation>Системний годинник показує неправильний час. Зверніться до сервісного центру.</translation>
    </message>
    <message>
        <source>Ошибка сравнения при записи в фискальную память. Дальнейшая работа невозможна. Обратитесь в сервисный центр.</source>
        <comment>2025</comment>
        <translation>Помилка порівняння під час запису до фіскальної пам&apos;яті. Подальша робота неможлива. Зверніться до сервісного центру.</translation>
    </message>
    <message>
        <source>Недостаточно наличности в кассе для выполнения выдачи наличности по данному чеку.</source>
        <comment>2026</comment>
        <translation>Недостатньо готівки в касі для видачі готівки за цим чеком.</translation>
    </message>
    <message>
        <source>Применение команд регистрации движения ГСМ к неактивным ТРК или резервуарам </source>
        <comment>2027</comment>
        <translation>Застосування команд реєстрації руху ПММ до неактивних ПРК або резервуарів</translation>
    </message>
    <message>
        <source>Обнаружено искажение основных фискальных реквизитов, записанных в ФП </source>
        <comment>2028</comment>
        <translation>Виявлено спотворення основних фіскальних реквізитів, записаних у ФП</translation>
    </message>
    <message>
        <source>Обнаружено искажение данных в блоке ОП с дневными фискальными данными</source>
        <comment>2029</comment>
        <translation>Виявлено спотворення даних у блоці ОП з денними фіскальними даними</translation>
    </message>
    <message>
        <source>Работа продолжается более 24-х часов. Необходимо выполнить Z-отчет.</source>
        <comment>2030</comment>
        <translation>Робота триває понад 24 години. Необхідно виконати Z-звіт.</translation>
    </message>
    <message>
        <source>Обнаружено изменение наименования или схем налогообложения или признака делимости товара в команде &apos;FISC&apos;, использующей активизированный номер артикула.</source>
        <comment>2031</comment>
        <translation>Виявлено зміну назви, схем оподаткування або ознаки подільності товару в команді &apos;FISC&apos;, що використовує активований номер артикула.</translation>
    </message>
    <message>
        <source>Задан неверный номер артикула (не из диапазона 1-9999, либо обращение к не активизированному артикулу).</source>
        <comment>2032</comment>
        <translation>Задано неправильний номер артикула (не з діапазону 1-9999 або звернення до неактивованого артикула).</translation>
    </message>
    <message>
        <source>Переполнение буфера копирования (более 110 строк в чеке). Последующая команда &apos;COPY&apos; не применима.</source>
        <comment>2033</comment>
        <translation>Переповнення буфера копіювання (понад 110 рядків у чеку). Наступна команда &apos;COPY&apos; не застосовна.</translation>
    </message>
    <message>
        <source>Превышено максимальное количество команд &apos;FISC&apos; с параметром &lt;п15&gt; (больше 100)</source>
        <comment>2034</comment>
        <translation>Перевищено максимальну кількість команд &apos;FISC&apos; з параметром &lt;п15&gt; (понад 100)</translation>
    </message>
    <message>
        <source>Превышено максимальное количество команд &apos;SETR&apos;  (больше 5).</source>
        <comment>2035</comment>
        <translation>Перевищено максимальну кількість команд &apos;SETR&apos; (понад 5).</translation>
    </message>
    <message>
        <source>Сума скидки больше суммы оборота по соответствующей товарной позиции.</source>
        <comment>2036</comment>
        <translation>Сума знижки більша за суму обороту відповідної товарної позиції.</translation>
    </message>
    <message>
        <source>Задан неверный номер фискальной позиции (в команде &apos;DISC&apos;).</source>
        <comment>2037</comment>
        <translation>Задано неправильний номер фіскальної позиції (у команді &apos;DISC&apos;).</translation>
    </message>
    <message>
        <source>Дисплей неисправен. Обратитесь в сервисный центр.</source>
        <comment>2039</comment>
        <translation>Дисплей несправний. Зверніться до сервісного центру.</translation>
    </message>
    <message>
        <source>Пришло время технического обслуживания. ЭККР блокирован. Пожалуйста, обратитесь в сервисный центр.</source>
        <comment>2040</comment>
        <translation>Настав час технічного обслуговування. ЕККР заблоковано. Будь ласка, зверніться до сервісного центру.</translation>
    </message>
    <message>
        <source>В режиме проверки контрольной суммы блока данных обнаружено несовпадение вычисленной и принятой контрольных сумм</source>
        <comment>2041</comment>
        <translation>У режимі перевірки контрольної суми блоку даних виявлено розбіжність обчисленої та прийнятої контрольних сум</translation>
    </message>
    <message>
        <source>Неправильное использование режима программирования артикулов. Пожалуйста, установите правильный режим артикульно таблицы командой ARMOx</source>
        <comment>2042</comment>
        <translation>Неправильне використання режиму програмування артикулів. Будь ласка, встановіть правильний режим артикульної таблиці командою ARMOx</translation>
    </message>
    <message>
        <source>Папір майже закінчився. Будь ласка, встановіть новий папір.</source>
        <comment>2043</comment>
        <translation>Папір майже закінчився. Будь ласка, встановіть новий папір.</translation>
    </message>
    <message>
        <source>Ошибка при открытии коммуникационного порта. Возможно, другая программа уже использует этот порт. Закройте другую программу и попробуйте еще раз.</source>
        <comment>3012</comment>
        <translation>Помилка під час відкриття комунікаційного порту. Можливо, інша програма вже використовує цей порт. Закрийте іншу програму та спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Добавьте пользователя в группу, которой принадлежит устройство (обычно &quot;dialout&quot;: sudo usermod -aG dialout $USER), и войдите в систему заново.</source>
        <comment>3013</comment>
        <translation>Додайте користувача до групи, якій належить пристрій (зазвичай &quot;dialout&quot;: sudo usermod -aG dialout $USER), і увійдіть у систему знову.</translation>
    </message>
    <message>
        <source>Порт занят другой программой.</source>
        <comment>3014</comment>
        <translation>Порт зайнятий іншою програмою.</translation>
    </message>
    <message>
        <source>ссылка ведет на %1, которого нет</source>
        <comment>3015</comment>
        <translation>посилання веде на %1, якого немає</translation>
    </message>
    <message>
        <source>Чек №%1 зарегистрирован ЭККР</source>
        <comment>3100</comment>
        <translation>Чек №%1 зареєстровано ЕККР</translation>
    </message>
    <message>
        <source>Чек не зарегистрирован ЭККР, его можно напечатать снова</source>
        <comment>3101</comment>
        <translation>Чек не зареєстровано ЕККР, його можна надрукувати знову</translation>
    </message>
    <message>
        <source>ЭККР не ответил на закрытие чека. Зарегистрирован ли чек, станет известно при следующей связи с ЭККР; до тех пор не печатайте его снова.</source>
        <comment>3102</comment>
        <translation>ЕККР не відповів на закриття чека. Чи зареєстровано чек, стане відомо під час наступного зв&apos;язку з ЕККР; доти не друкуйте його знову.</translation>
    </message>
    <message>
        <source>ЭККР не ответил на закрытие чека, и узнать, зарегистрирован ли чек, нельзя. Проверьте контрольную ленту ЭККР, прежде чем печатать чек снова.</source>
        <comment>3103</comment>
        <translation>ЕККР не відповів на закриття чека, і дізнатися, чи зареєстровано чек, неможливо. Перевірте контрольну стрічку ЕККР, перш ніж друкувати чек знову.</translation>
    </message>
    <message>
        <source>Чек, оставшийся открытым на ЭККР, отменен.</source>
        <comment>3104</comment>
        <translation>Чек, що залишився відкритим на ЕККР, скасовано.</translation>
    </message>
    <message>
        <source>Связь с ЭККР прервана: %1</source>
        <comment>3105</comment>
        <translation>Зв&apos;язок з ЕККР перервано: %1</translation>
    </message>
    <message>
        <source>Порт не принял скорость 57600 бод: %1</source>
        <comment>3106</comment>
        <translation>Порт не прийняв швидкість 57600 бод: %1</translation>
    </message>
    <message>
        <source>&amp;Протокол обмена в файл...</source>
        <comment>3107</comment>
        <translation>&amp;Протокол обміну у файл...</translation>
    </message>
    <message>
        <source>Файл протокола обмена</source>
        <comment>3108</comment>
        <translation>Файл протоколу обміну</translation>
    </message>
    <message>
        <source>Протокол обмена не удалось начать: %1</source>
        <comment>3109</comment>
        <translation>Протокол обміну не вдалося розпочати: %1</translation>
    </message>
    <message>
        <source>Протокол обмена пишется в %1</source>
        <comment>3110</comment>
        <translation>Протокол обміну записується в %1</translation>
    </message>
    <message>
        <source>Номер последнего чека не удалось прочитать из ЭККР, поэтому чек не закрыт, а отменен: он не зарегистрирован, его можно напечатать снова.</source>
        <comment>3111</comment>
        <translation>Номер останнього чека не вдалося прочитати з ЕККР, тому чек не закрито, а скасовано: його не зареєстровано, його можна надрукувати знову.</translation>
    </message>
    <message>
        <source>Журнал чеков %1 недоступен: %2. Чек не напечатан.</source>
        <comment>3112</comment>
        <translation>Журнал чеків %1 недоступний: %2. Чек не надруковано.</translation>
    </message>
    <message>
        <source>Этот чек уже печатался (%1), ответ ЭККР на его закрытие был потерян, и ЭККР зарегистрировал его как чек №%2.</source>
        <comment>3113</comment>
        <translation>Цей чек уже друкувався (%1), відповідь ЕККР на його закриття було втрачено, і ЕККР зареєстрував його як чек №%2.</translation>
    </message>
    <message>
        <source>Этот чек уже печатался (%1), и зарегистрирован ли он ЭККР, неизвестно. Проверьте контрольную ленту ЭККР.</source>
        <comment>3114</comment>
        <translation>Цей чек уже друкувався (%1), і чи зареєстрував його ЕККР, невідомо. Перевірте контрольну стрічку ЕККР.</translation>
    </message>
    <message>
        <source>Напечатать этот чек еще раз?</source>
        <comment>3115</comment>
        <translation>Надрукувати цей чек ще раз?</translation>
    </message>
    <message>
        <source>&amp;Журнал чеков</source>
        <comment>3116</comment>
        <translation>&amp;Журнал чеків</translation>
    </message>
    <message>
        <source>Журнал чеков</source>
        <comment>3117</comment>
        <translation>Журнал чеків</translation>
    </message>
    <message>
        <source>Сохранить в CSV</source>
        <comment>3118</comment>
        <translation>Зберегти в CSV</translation>
    </message>
    <message>
        <source>Файлы CSV (*.csv)</source>
        <comment>3119</comment>
        <translation>Файли CSV (*.csv)</translation>
    </message>
    <message>
        <source>Время;ЭККР;Номер;Сумма;Наличные;Итог;Копия</source>
        <comment>3120</comment>
        <translation>Час;ЕККР;Номер;Сума;Готівка;Результат;Копія</translation>
    </message>
    <message>
        <source>зарегистрирован</source>
        <comment>3121</comment>
        <translation>зареєстровано</translation>
    </message>
    <message>
        <source>не зарегистрирован</source>
        <comment>3122</comment>
        <translation>не зареєстровано</translation>
    </message>
    <message>
        <source>неизвестно</source>
        <comment>3123</comment>
        <translation>невідомо</translation>
    </message>
    <message>
        <source>отменен</source>
        <comment>3124</comment>
        <translation>скасовано</translation>
    </message>
    <message>
        <source>Журнал чеков %1 недоступен: %2.</source>
        <comment>3125</comment>
        <translation>Журнал чеків %1 недоступний: %2.</translation>
    </message>
    <message>
        <source>Не показано строк журнала с недопустимыми значениями: %1.</source>
        <comment>3126</comment>
        <translation>Не показано рядків журналу з неприпустимими значеннями: %1.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <comment>3127</comment>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Z-отчет закроет фискальный день ЭККР, и отменить это нельзя. Напечатать Z-отчет?</source>
        <comment>3128</comment>
        <translation>Z-звіт закриє фіскальний день ЕККР, і скасувати це неможливо. Надрукувати Z-звіт?</translation>
    </message>
    <message>
        <source>линия разорвана (кабель вынут, адаптер отключен или ЭККР выключен)</source>
        <comment>3129</comment>
        <translation>лінію розірвано (кабель від&apos;єднано, адаптер вимкнено або ЕККР вимкнено)</translation>
    </message>
    <message>
        <source>ошибка чтения порта (код ошибки %1)</source>
        <comment>3130</comment>
        <translation>помилка читання порту (код помилки %1)</translation>
    </message>
    <message>
        <source>Печать чека: копия %1 из %2, строка %3 из %4</source>
        <comment>3131</comment>
        <translation>Друк чека: копія %1 з %2, рядок %3 з %4</translation>
    </message>
    <message>
        <source>Прервать</source>
        <comment>3132</comment>
        <translation>Перервати</translation>
    </message>
    <message>
        <source>Печать прервана: открытый чек аннулирован, в журнале он отмечен как отмененный.</source>
        <comment>3133</comment>
        <translation>Друк перервано: відкритий чек анульовано, у журналі його позначено як скасований.</translation>
    </message>
    <message>
        <source>Ошибка при загрузке битового образа</source>
        <comment>4300</comment>
        <translation>Помилка під час завантаження растрового зображення</translation>
    </message>
    <message>
        <source>Неверный формат битового образа. Пожалуйста, подготовьте черно-белый битовый образ с максимальной шириной 432 и максимальной выстой 192 пиксела.</source>
        <comment>4301</comment>
        <translation>Неправильний формат растрового зображення. Будь ласка, підготуйте чорно-біле растрове зображення завширшки не більше 432 і заввишки не більше 192 пікселів.</translation>
    </message>
    <message>
        <source>Неверный формат файла битового образа.</source>
        <comment>4302</comment>
        <translation>Неправильний формат файлу растрового зображення.</translation>
    </message>
    <message>
        <source>Ошибка при передаче битового образа в ЭККР. Битовый образ не установлен.</source>
        <comment>4303</comment>
        <translation>Помилка під час передавання растрового зображення до ЕККР. Растрове зображення не встановлено.</translation>
    </message>
    <message>
        <source>Подвал чека установлен.</source>
        <comment>4304</comment>
        <translation>Підвал чека встановлено.</translation>
    </message>
    <message>
        <source>Вы уверены, что хотите стереть все строки в подвале чека?</source>
        <comment>4305</comment>
        <translation>Ви впевнені, що хочете стерти всі рядки підвалу чека?</translation>
    </message>
    <message>
        <source>Не удается установить многострочный подвал чека.</source>
        <comment>4306</comment>
        <translation>Не вдається встановити багаторядковий підвал чека.</translation>
    </message>
    <message>
        <source>Установлен межстрочный интервал </source>
        <comment>4307</comment>
        <translation>Встановлено міжрядковий інтервал </translation>
    </message>
    <message>
        <source>Ошибка при установке межстрочного интервала</source>
        <comment>4308</comment>
        <translation>Помилка під час встановлення міжрядкового інтервалу</translation>
    </message>
    <message>
        <source>Установлен режим печати скидок/надбавок</source>
        <comment>4309</comment>
        <translation>Встановлено режим друку знижок/надбавок</translation>
    </message>
    <message>
        <source>Ошибка при установке режима печати скидок/надбавок.</source>
        <comment>4310</comment>
        <translation>Помилка під час встановлення режиму друку знижок/надбавок.</translation>
    </message>
    <message>
        <source>Пустые строки не допускаются</source>
        <comment>4311</comment>
        <translation>Порожні рядки не допускаються</translation>
    </message>
    <message>
        <source>Символ &quot;%1&quot; нельзя напечатать на ЭККР: его нет в кодовой таблице ЭККР, и вместо него был бы напечатан знак &quot;?&quot;. Пожалуйста, замените его.</source>
        <comment>4313</comment>
        <translation>Символ &quot;%1&quot; не можна надрукувати на ЕККР: його немає в кодовій таблиці ЕККР, і замість нього було б надруковано знак &quot;?&quot;. Будь ласка, замініть його.</translation>
    </message>
    <message>
        <source>Подвал чека устанавливается только в сервисном режиме: подключитесь к ЭККР с именем оператора &quot;СЕРВІС&quot;.</source>
        <comment>4314</comment>
        <translation>Підвал чека встановлюється лише в сервісному режимі: під&apos;єднайтеся до ЕККР з іменем оператора &quot;СЕРВІС&quot;.</translation>
    </message>
    <message>
        <source>Текст</source>
        <comment>4315</comment>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Журнал</source>
        <comment>4316</comment>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Формат</source>
        <comment>4317</comment>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Загрузить графический образ</source>
        <comment>4318</comment>
        <translation>Завантажити графічне зображення</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)</source>
        <comment>4319</comment>
        <translation>Файли BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Image files (*.bmp *.png)</source>
        <comment>4320</comment>
        <translation>Зображення (*.bmp *.png)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <comment>4321</comment>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>%1 мм</source>
        <comment>4322</comment>
        <translation>%1 мм</translation>
    </message>
    <message>
        <source>Административная консоль для ЭККР &quot;Орвик&quot;</source>
        <comment>6000</comment>
        <translation>Адміністративна консоль для ЕККР &quot;Орвік&quot;</translation>
    </message>
    <message>
        <source>Пожалуйста, выберите правильный коммуникационный порт, к которому подключен ЭККР</source>
        <comment>6001</comment>
        <translation>Будь ласка, виберіть правильний комунікаційний порт, до якого під&apos;єднано ЕККР</translation>
    </message>
    <message>
        <source>Имя оператора не может быть пустым. Пожалуйста, введите имя оператора</source>
        <comment>6002</comment>
        <translation>Ім&apos;я оператора не може бути порожнім. Будь ласка, введіть ім&apos;я оператора</translation>
    </message>
    <message>
        <source>Пароль оператора должен состоять не менее, чем из 10 символов. Пожалуста, введите правильный пароль оператора.</source>
        <comment>6003</comment>
        <translation>Пароль оператора має складатися щонайменше з 10 символів. Будь ласка, введіть правильний пароль оператора.</translation>
    </message>
    <message>
        <source>Доброго вам дня</source>
        <comment>6005</comment>
        <translation>Гарного вам дня</translation>
    </message>
    <message>
        <source>Состояние: %s</source>
        <comment>6006</comment>
        <translation>Стан: %s</translation>
    </message>
    <message>
        <source>ЗН ЭККР: %s</source>
        <comment>6007</comment>
        <translation>ЗН ЕККР: %s</translation>
    </message>
    <message>
        <source>ПОДКЛЮЧЕН</source>
        <comment>6008</comment>
        <translation>ПІД&apos;ЄДНАНО</translation>
    </message>
    <message>
        <source>НЕ ПОДКЛЮЧЕН</source>
        <comment>6009</comment>
        <translation>НЕ ПІД&apos;ЄДНАНО</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>6010</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>CAP</source>
        <comment>6011</comment>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Подключение ЭККР</source>
        <comment>6012</comment>
        <translation>Під&apos;єднання ЕККР</translation>
    </message>
    <message>
        <source>Отключение ЭККР</source>
        <comment>6013</comment>
        <translation>Від&apos;єднання ЕККР</translation>
    </message>
    <message>
        <source>Орвик-683</source>
        <comment>6014</comment>
        <translation>Орвік-683</translation>
    </message>
    <message>
        <source>&amp;Подключение ЭККР	Enter</source>
        <comment>6020</comment>
        <translation>&amp;Під&apos;єднати ЕККР	Enter</translation>
    </message>
    <message>
        <source>Подключить</source>
        <comment>6021</comment>
        <translation>Під&apos;єднати</translation>
    </message>
    <message>
        <source>&amp;Отключение ЭККР</source>
        <comment>6022</comment>
        <translation>&amp;Від&apos;єднати ЕККР</translation>
    </message>
    <message>
        <source>Отключить</source>
        <comment>6023</comment>
        <translation>Від&apos;єднати</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <comment>6024</comment>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>Завершение работы с консолью</source>
        <comment>6025</comment>
        <translation>Завершення роботи з консоллю</translation>
    </message>
    <message>
        <source>Строка &amp;состояния</source>
        <comment>6026</comment>
        <translation>Рядок &amp;стану</translation>
    </message>
    <message>
        <source>Показать или скрыть строку состояния</source>
        <comment>6027</comment>
        <translation>Показати або сховати рядок стану</translation>
    </message>
    <message>
        <source>&amp;О программе &quot;Административная консоль для ЭККР Орвик&quot;</source>
        <comment>6028</comment>
        <translation>&amp;Про програму &quot;Адміністративна консоль для ЕККР Орвік&quot;</translation>
    </message>
    <message>
        <source>Сведения о программе и ее версии</source>
        <comment>6029</comment>
        <translation>Відомості про програму та її версію</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <comment>6030</comment>
        <translation>Панель інструментів</translation>
    </message>
    <message>
        <source>Соединение</source>
        <comment>6031</comment>
        <translation>З&apos;єднання</translation>
    </message>
    <message>
        <source>&amp;Соединение</source>
        <comment>6032</comment>
        <translation>&amp;З&apos;єднання</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <comment>6033</comment>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>Панель &amp;инструментов</source>
        <comment>6034</comment>
        <translation>Панель &amp;інструментів</translation>
    </message>
    <message>
        <source>Показать или скрыть панель инструментов</source>
        <comment>6035</comment>
        <translation>Показати або сховати панель інструментів</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <comment>6036</comment>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Версия: %1,%2,%3,%4</source>
        <comment>6037</comment>
        <translation>Версія: %1,%2,%3,%4</translation>
    </message>
    <message>
        <source>Установки ЭККР</source>
        <comment>6040</comment>
        <translation>Налаштування ЕККР</translation>
    </message>
    <message>
        <source>Установки ЭККР 2</source>
        <comment>6041</comment>
        <translation>Налаштування ЕККР 2</translation>
    </message>
    <message>
        <source>Отчеты</source>
        <comment>6042</comment>
        <translation>Звіти</translation>
    </message>
    <message>
        <source>Печать чеков</source>
        <comment>6043</comment>
        <translation>Друк чеків</translation>
    </message>
    <message>
        <source>Терминал</source>
        <comment>6044</comment>
        <translation>Термінал</translation>
    </message>
    <message>
        <source>Команды и ответы ЭККР уровня протокола</source>
        <comment>6100</comment>
        <translation>Команди та відповіді ЕККР рівня протоколу</translation>
    </message>
    <message>
        <source>Открыть командный файл ЭККР</source>
        <comment>6101</comment>
        <translation>Відкрити командний файл ЕККР</translation>
    </message>
    <message>
        <source>Сохранить команды в файл</source>
        <comment>6102</comment>
        <translation>Зберегти команди у файл</translation>
    </message>
    <message>
        <source>Командные файлы ЭККР (*.cmd)</source>
        <comment>6103</comment>
        <translation>Командні файли ЕККР (*.cmd)</translation>
    </message>
    <message>
        <source>Сохранить протокол в файл</source>
        <comment>6104</comment>
        <translation>Зберегти протокол у файл</translation>
    </message>
    <message>
        <source>Файлы отчетов ЭККР (*.rpt)</source>
        <comment>6105</comment>
        <translation>Файли звітів ЕККР (*.rpt)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <comment>6106</comment>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>%1

%2</source>
        <comment>6107</comment>
        <translation>%1

%2</translation>
    </message>
    <message>
        <source>Файл %1 не является командным файлом: строка %2 содержит двоичные данные.</source>
        <comment>6108</comment>
        <translation>Файл %1 не є командним файлом: рядок %2 містить двійкові дані.</translation>
    </message>
    <message>
        <source>Файл %1 не является командным файлом: в нем больше %2 команд.</source>
        <comment>6109</comment>
        <translation>Файл %1 не є командним файлом: у ньому більше %2 команд.</translation>
    </message>
    <message>
        <source>Некоторые символы нельзя записать в кодировке Windows-1251: в файле они будут заменены знаком &quot;?&quot;. Сохранить файл?</source>
        <comment>6110</comment>
        <translation>Деякі символи не можна записати в кодуванні Windows-1251: у файлі їх буде замінено знаком &quot;?&quot;. Зберегти файл?</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <comment>6198</comment>
        <translation>Не вдається відкрити посилання:

</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <comment>6199</comment>
        <translation>Сталася невідома помилка (%1).</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <comment>6200</comment>
        <translation>Операційній системі бракує
пам&apos;яті або ресурсів.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <comment>6202</comment>
        <translation>Вказаний файл не знайдено.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <comment>6203</comment>
        <translation>Вказаний шлях не знайдено.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <comment>6205</comment>
        <translation>Операційна система заборонила
доступ до вказаного файлу.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <comment>6208</comment>
        <translation>Недостатньо пам&apos;яті для виконання операції.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <comment>6211</comment>
        <translation>Файл .EXE недійсний
(не Win32 .EXE або помилка в образі .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <comment>6226</comment>
        <translation>Сталося порушення спільного доступу. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <comment>6227</comment>
        <translation>Зв&apos;язок імені файлу з програмою
неповний або недійсний.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <comment>6228</comment>
        <translation>Транзакцію DDE не вдалося
завершити: минув час очікування.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <comment>6229</comment>
        <translation>Транзакція DDE не вдалася.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <comment>6230</comment>
        <translation>Транзакцію DDE не вдалося
завершити, бо виконувалися
інші транзакції DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <comment>6231</comment>
        <translation>Немає програми, пов&apos;язаної
з цим розширенням імені файлу.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <comment>6232</comment>
        <translation>Вказану динамічну бібліотеку не знайдено.</translation>
    </message>
    <message>
        <source>&amp;Язык</source>
        <comment>6038</comment>
        <translation>&amp;Мова</translation>
    </message>
    <message>
        <source>Язык текстов консоли</source>
        <comment>6039</comment>
        <translation>Мова текстів консолі</translation>
    </message>
    <message>
        <source>Выбранный язык консоль покажет после перезапуска.</source>
        <comment>6045</comment>
        <translation>Вибрану мову консоль покаже після перезапуску.</translation>
    </message>
    <message>
        <source>электронные кассовые регистраторы</source>
        <comment>6046</comment>
        <translation>електронні касові реєстратори</translation>
    </message>
</context>
<context>
    <name>TabOtherSettings</name>
    <message>
        <source>Установка внутренних часов ЭККР</source>
        <translation>Встановлення внутрішнього годинника ЕККР</translation>
    </message>
    <message>
        <source>ЗАМЕЧАНИЕ: Время во внутренних часах ЭККР можно изменять не более, чем на полтора часа вперед или назад и только один раз после Z-отчета с обнулением.</source>
        <translation>ПРИМІТКА: час внутрішнього годинника ЕККР можна змінювати не більше ніж на півтори години вперед або назад і лише один раз після Z-звіту з обнуленням.</translation>
    </message>
    <message>
        <source>Время в ЭККР:</source>
        <translation>Час в ЕККР:</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Текущее время</source>
        <translation>Поточний час</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Режим работы артикульной таблицы</source>
        <translation>Режим роботи артикульної таблиці</translation>
    </message>
    <message>
        <source>Регистрировать новые артикулы</source>
        <translation>Реєструвати нові артикули</translation>
    </message>
    <message>
        <source>Использовать запрограммированные</source>
        <translation>Використовувати запрограмовані</translation>
    </message>
    <message>
        <source>Использовать бухгалтерские коды</source>
        <translation>Використовувати бухгалтерські коди</translation>
    </message>
    <message>
        <source>Автообрезка и звуковой сигнал</source>
        <translation>Автообрізання та звуковий сигнал</translation>
    </message>
    <message>
        <source>Включить автообрезчик</source>
        <translation>Увімкнути автообрізач</translation>
    </message>
    <message>
        <source>Включить звуковой сигнал</source>
        <translation>Увімкнути звуковий сигнал</translation>
    </message>
    <message>
        <source>Неполная обрезка чековой ленты</source>
        <translation>Неповне обрізання чекової стрічки</translation>
    </message>
    <message>
        <source>Режим расчета наложенных налогов</source>
        <translation>Режим розрахунку накладених податків</translation>
    </message>
    <message>
        <source>Расчитывать наложенные налоги на общую сумму</source>
        <translation>Розраховувати накладені податки на загальну суму</translation>
    </message>
    <message>
        <source>Расчитывать наложенные налоги на каждый товар</source>
        <translation>Розраховувати накладені податки на кожен товар</translation>
    </message>
    <message>
        <source>Установка заголовочной и подвальной строк чека</source>
        <translation>Встановлення рядків заголовка та підвалу чека</translation>
    </message>
    <message>
        <source>Заголовок чека</source>
        <translation>Заголовок чека</translation>
    </message>
    <message>
        <source>Подвал чека</source>
        <translation>Підвал чека</translation>
    </message>
    <message>
        <source>Режим печати наложенных налогов</source>
        <translation>Режим друку накладених податків</translation>
    </message>
    <message>
        <source>После каждой товарной позиции</source>
        <translation>Після кожної товарної позиції</translation>
    </message>
    <message>
        <source>По общей сумме оборота в чеке</source>
        <translation>За загальною сумою обороту в чеку</translation>
    </message>
    <message>
        <source>Мнемоника торгового отдела</source>
        <translation>Мнемоніка торгового відділу</translation>
    </message>
    <message>
        <source>Мнемоника отдела</source>
        <translation>Мнемоніка відділу</translation>
    </message>
    <message>
        <source>Набор служебных сообщений на чеке</source>
        <translation>Набір службових повідомлень на чеку</translation>
    </message>
    <message>
        <source>Торговая касса (розница, оптовые продажи)</source>
        <translation>Торгова каса (роздріб, гуртові продажі)</translation>
    </message>
    <message>
        <source>Автостанции, вокзалы</source>
        <translation>Автостанції, вокзали</translation>
    </message>
    <message>
        <source>Услуги по кредитованию, ломбарды</source>
        <translation>Послуги з кредитування, ломбарди</translation>
    </message>
    <message>
        <source>Игорный бизнес</source>
        <translation>Гральний бізнес</translation>
    </message>
</context>
<context>
    <name>TabReports</name>
    <message>
        <source>Отчеты</source>
        <translation>Звіти</translation>
    </message>
    <message>
        <source>Х-Отчет</source>
        <translation>X-звіт</translation>
    </message>
    <message>
        <source>Z-Отчет</source>
        <translation>Z-звіт</translation>
    </message>
    <message>
        <source>Реализация в разрезе артикулов</source>
        <translation>Реалізація за артикулами</translation>
    </message>
    <message>
        <source>Применение скидок/надбавок</source>
        <translation>Застосування знижок/надбавок</translation>
    </message>
    <message>
        <source>Нулевой чек</source>
        <translation>Нульовий чек</translation>
    </message>
    <message>
        <source>Состояние аппаратуры ЭККР</source>
        <translation>Стан апаратури ЕККР</translation>
    </message>
    <message>
        <source>Нулевой Z-Отчет</source>
        <translation>Нульовий Z-звіт</translation>
    </message>
    <message>
        <source>Периодические фискальные отчеты</source>
        <translation>Періодичні фіскальні звіти</translation>
    </message>
    <message>
        <source>Использовать </source>
        <translation>Використовувати </translation>
    </message>
    <message>
        <source>сокращенную</source>
        <translation>скорочену</translation>
    </message>
    <message>
        <source>полную форму отчета</source>
        <translation>повну форму звіту</translation>
    </message>
    <message>
        <source>Периодический фискальный отчет по датам Z-Отчетов</source>
        <translation>Періодичний фіскальний звіт за датами Z-звітів</translation>
    </message>
    <message>
        <source>С даты</source>
        <translation>З дати</translation>
    </message>
    <message>
        <source>по дату</source>
        <translation>по дату</translation>
    </message>
    <message>
        <source>Печатать отчет</source>
        <translation>Друкувати звіт</translation>
    </message>
    <message>
        <source>Периодический фискальный отчет по номерам Z-Отчетов</source>
        <translation>Періодичний фіскальний звіт за номерами Z-звітів</translation>
    </message>
    <message>
        <source>С номера</source>
        <translation>З номера</translation>
    </message>
    <message>
        <source>по номер</source>
        <translation>по номер</translation>
    </message>
</context>
<context>
    <name>TabSales</name>
    <message>
        <source>Товарная позиция</source>
        <translation>Товарна позиція</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Товар весовой (делимый)</source>
        <translation>Товар ваговий (подільний)</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Кількість</translation>
    </message>
    <message>
        <source>Цена товара</source>
        <translation>Ціна товару</translation>
    </message>
    <message>
        <source>Артикул</source>
        <translation>Артикул</translation>
    </message>
    <message>
        <source>Ставка № 1</source>
        <translation>Ставка № 1</translation>
    </message>
    <message>
        <source>Возврат товара</source>
        <translation>Повернення товару</translation>
    </message>
    <message>
        <source>Ставка № 2</source>
        <translation>Ставка № 2</translation>
    </message>
    <message>
        <source>Сложный налог(налог на налог)</source>
        <translation>Складний податок (податок на податок)</translation>
    </message>
    <message>
        <source>Скидка/надбавка</source>
        <translation>Знижка/надбавка</translation>
    </message>
    <message>
        <source>Нет скидок/надбавок</source>
        <translation>Без знижок/надбавок</translation>
    </message>
    <message>
        <source>Скидка</source>
        <translation>Знижка</translation>
    </message>
    <message>
        <source>Надбавка</source>
        <translation>Надбавка</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Сумма скидки</source>
        <translation>Сума знижки</translation>
    </message>
    <message>
        <source>&amp;Добавить в список</source>
        <translation>&amp;Додати до списку</translation>
    </message>
    <message>
        <source>Изменить строку списка</source>
        <translation>Змінити рядок списку</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Выбрать все</source>
        <translation>Вибрати все</translation>
    </message>
    <message>
        <source>Снять выделение</source>
        <translation>Зняти виділення</translation>
    </message>
    <message>
        <source>Список товарных позиций в чеке и формы оплаты</source>
        <translation>Список товарних позицій у чеку та форми оплати</translation>
    </message>
    <message>
        <source>Итог чека</source>
        <translation>Підсумок чека</translation>
    </message>
    <message>
        <source>Формы оплаты</source>
        <translation>Форми оплати</translation>
    </message>
    <message>
        <source>Наличные: </source>
        <translation>Готівка: </translation>
    </message>
    <message>
        <source>Оплата 1:</source>
        <translation>Оплата 1:</translation>
    </message>
    <message>
        <source>Оплата 2:</source>
        <translation>Оплата 2:</translation>
    </message>
    <message>
        <source>Оплата 3:</source>
        <translation>Оплата 3:</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Номер чека:</source>
        <translation>Номер чека:</translation>
    </message>
    <message>
        <source>Напечатать чек</source>
        <translation>Надрукувати чек</translation>
    </message>
    <message>
        <source>раз, а затем</source>
        <translation>разів, а потім</translation>
    </message>
    <message>
        <source>Не очищать</source>
        <translation>Не очищати</translation>
    </message>
    <message>
        <source>Очистить список</source>
        <translation>Очистити список</translation>
    </message>
    <message>
        <source>Печать на обычной ленте</source>
        <translation>Друк на звичайній стрічці</translation>
    </message>
    <message>
        <source>Печать на непрерывной ленте</source>
        <translation>Друк на безперервній стрічці</translation>
    </message>
    <message>
        <source>Штрихкод</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>&amp;Печатать чек</source>
        <translation>&amp;Друкувати чек</translation>
    </message>
    <message>
        <source>Сохранить чек</source>
        <translation>Зберегти чек</translation>
    </message>
    <message>
        <source>Загрузить чек</source>
        <translation>Завантажити чек</translation>
    </message>
    <message>
        <source>Наличность</source>
        <translation>Готівка</translation>
    </message>
</context>
<context>
    <name>TabServiceSettings2</name>
    <message>
        <source>Графический образ</source>
        <translation>Графічне зображення</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Печатать образ</source>
        <translation>Друкувати зображення</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Многострочный подвал чека</source>
        <translation>Багаторядковий підвал чека</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Межстрочное расстояние</source>
        <translation>Міжрядкова відстань</translation>
    </message>
    <message>
        <source>Печать скидок/надбавок</source>
        <translation>Друк знижок/надбавок</translation>
    </message>
    <message>
        <source>Печатать скидки/надбавки в каждой строке чека</source>
        <translation>Друкувати знижки/надбавки в кожному рядку чека</translation>
    </message>
    <message>
        <source>Печатать скидки/надбавки в конце чека</source>
        <translation>Друкувати знижки/надбавки в кінці чека</translation>
    </message>
</context>
<context>
    <name>TabTerminal</name>
    <message>
        <source>Команды уровня протокола для ЭККР</source>
        <translation>Команди рівня протоколу для ЕККР</translation>
    </message>
    <message>
        <source>&amp;Послать в ЭККР</source>
        <translation>&amp;Надіслати до ЕККР</translation>
    </message>
    <message>
        <source>&amp;Очистить</source>
        <translation>&amp;Очистити</translation>
    </message>
    <message>
        <source>Загрузить файл</source>
        <translation>Завантажити файл</translation>
    </message>
    <message>
        <source>Сохранить в файл</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Виділити все</translation>
    </message>
    <message>
        <source>Снять выделение</source>
        <translation>Зняти виділення</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Сохранить отчет</source>
        <translation>Зберегти звіт</translation>
    </message>
</context>
</TS>
