<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Об административной консоли для ЭККР &quot;Орвик&quot;</source>
        <translation>About the Orvik cash register administration console</translation>
    </message>
    <message>
        <source>Административная консоль для настройки ЭККР &quot;Орвик&quot;</source>
        <translation>Administration console for Orvik cash registers</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Разработка: Орвик Софт</source>
        <translation>Developed by Orvik Soft</translation>
    </message>
    <message>
        <source>Распространение и поддержка:</source>
        <translation>Sales and support:</translation>
    </message>
</context>
<context>
    <name>BottomLineDlg</name>
    <message>
        <source>Строка подвала чека</source>
        <translation>Receipt footer line</translation>
    </message>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Печатать на журнальной (контрольной) ленте</source>
        <translation>Print on the journal tape too</translation>
    </message>
    <message>
        <source>Формат печати</source>
        <translation>Print format</translation>
    </message>
    <message>
        <source>Удвоить ширину букв</source>
        <translation>Double width</translation>
    </message>
    <message>
        <source>Удвоить высоту букв</source>
        <translation>Double height</translation>
    </message>
</context>
<context>
    <name>ConnectionBar</name>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Имя оператора</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Пароль оператора</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>ContactPanel</name>
    <message>
        <source>Орвик Системс
ул. Образцовая, 10
01001, г. Киев</source>
        <translation>Orvik Systems
10 Zrazkova St.
01001 Kyiv, Ukraine</translation>
    </message>
    <message>
        <source>По вопросам приобретения ЭККР &quot;Орвик&quot; и заключения сервисных договоров обращайтесь по телефонам:</source>
        <translation>To buy Orvik cash registers or sign a service contract, call:</translation>
    </message>
    <message>
        <source>+380 44 000-00-01
+380 44 000-00-02
+380 44 000-00-03 (факс)</source>
        <translation>+380 44 000-00-01
+380 44 000-00-02
+380 44 000-00-03 (fax)</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>WWW:</source>
        <translation>Web:</translation>
    </message>
</context>
<context>
    <name>MoveCashDlg</name>
    <message>
        <source>Внесение наличности/инкассация</source>
        <translation>Cash in / cash out</translation>
    </message>
    <message>
        <source>Выберите нужную операцию (внесение раличности или инкассация) и введите сумму операции.</source>
        <translation>Choose the operation (cash in or cash out) and enter its amount.</translation>
    </message>
    <message>
        <source>Информация по кассе</source>
        <translation>Cash drawer</translation>
    </message>
    <message>
        <source>Остаток наличности в кассе:</source>
        <translation>Cash in the drawer:</translation>
    </message>
    <message>
        <source>Движение наличности</source>
        <translation>Cash movement</translation>
    </message>
    <message>
        <source>Внесение наличности</source>
        <translation>Cash in</translation>
    </message>
    <message>
        <source>Инкассация (выдача наличности)</source>
        <translation>Cash out (pay out)</translation>
    </message>
    <message>
        <source>Сумма:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>&amp;Печатать чек</source>
        <translation>&amp;Print receipt</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Наименование товара должно быть непустым. Пожалуйста, введите наименование товара.</source>
        <comment>140</comment>
        <translation>The item name must not be empty. Please enter the item name.</translation>
    </message>
    <message>
        <source>Название скидки/надбавки и ее сумма должны буть непустыми. Пожалуйста, введите данные по скидке/надбавке.</source>
        <comment>141</comment>
        <translation>The discount/surcharge name and amount must not be empty. Please enter the discount/surcharge.</translation>
    </message>
    <message>
        <source>Запрещено облагать товар одной и той же налоговой ставкой. Пожалуйста, выберите правильную налоговую ставку.</source>
        <comment>142</comment>
        <translation>An item cannot be taxed twice at the same tax rate. Please choose the right tax rate.</translation>
    </message>
    <message>
        <source>Неверная цена товара. Пожылуйста, введите правильную цену товара.</source>
        <comment>161</comment>
        <translation>Wrong item price. Please enter the right price.</translation>
    </message>
    <message>
        <source>Приложение налогов разного типа к одной товарной позиции запрещено. Пожалуйста, выберите однотипные налоговые ставки.</source>
        <comment>162</comment>
        <translation>Taxes of different kinds cannot be applied to one item. Please choose tax rates of the same kind.</translation>
    </message>
    <message>
        <source>Нет связи или ЭККР не отвечает. Пожалуйста, проверьте, включен ли ЭККР и подключен ли он кабелем. Также проверьте, правильно ли выбран коммуникационный порт, к которому подключен ЭККР.</source>
        <comment>1003</comment>
        <translation>No connection, or the register does not answer. Please check that the register is switched on and its cable is plugged in, and that the right communication port is chosen.</translation>
    </message>
    <message>
        <source>Введенный пароль недопустим для данного ЭККР. Пожалуйста, введите правильный пароль</source>
        <comment>1004</comment>
        <translation>The password entered is not valid for this register. Please enter the right password</translation>
    </message>
    <message>
        <source>Слишком большое количество делимого товара для одной строки чека.</source>
        <comment>1060</comment>
        <translation>The quantity of weighed goods is too large for one receipt line.</translation>
    </message>
    <message>
        <source>Передано недостаточное количество денег для оплаты чека. Проверьте правильность работы прикладной программы.</source>
        <comment>1061</comment>
        <translation>Not enough money was passed to pay the receipt. Check that the application works correctly.</translation>
    </message>
    <message>
        <source>Цена товара, сумма строки чека или сумма скидки/надбавки вне допустимого для ЭККР диапазона (от 0 до 999999999 в младших единицах валюты).</source>
        <comment>1062</comment>
        <translation>The price, the line amount or the discount/surcharge is outside the register&apos;s range (0 to 999999999 in minor currency units).</translation>
    </message>
    <message>
        <source>Файл не является файлом чека: строка %1 содержит двоичные данные.</source>
        <comment>1063</comment>
        <translation>Not a receipt file: line %1 holds binary data.</translation>
    </message>
    <message>
        <source>Файл не является файлом чека: строка %1 длиннее 4095 байт.</source>
        <comment>1064</comment>
        <translation>Not a receipt file: line %1 is longer than 4095 bytes.</translation>
    </message>
    <message>
        <source>Файл не является файлом чека: в нем больше %1 товарных позиций.</source>
        <comment>1065</comment>
        <translation>Not a receipt file: it holds more than %1 items.</translation>
    </message>
    <message>
        <source>Строка %1: полей %2 вместо %3; недостающие поля считаются пустыми, лишние отбрасываются.</source>
        <comment>1066</comment>
        <translation>Line %1: %2 fields instead of %3; missing fields are taken as empty, extra ones are dropped.</translation>
    </message>
    <message>
        <source>Строка %1, поле %2: &quot;%3&quot; не является числом и считается нулем.</source>
        <comment>1067</comment>
        <translation>Line %1, field %2: &quot;%3&quot; is not a number and is taken as zero.</translation>
    </message>
    <message>
        <source>Чек нельзя сохранить: текст &quot;%1&quot; (%2) содержит символ &quot;;&quot;, перевод строки или другой управляющий символ, которые нарушат формат файла чека.</source>
        <comment>1068</comment>
        <translation>The receipt cannot be saved: the text &quot;%1&quot; (%2) holds &quot;;&quot;, a line break or another control character, which would break the receipt file&apos;s format.</translation>
    </message>
    <message>
        <source>Чек нельзя сохранить: текст &quot;%1&quot; (%2) содержит символы, которых нет в кодировке Windows-1251.</source>
        <comment>1069</comment>
        <translation>The receipt cannot be saved: the text &quot;%1&quot; (%2) holds characters that Windows-1251 does not have.</translation>
    </message>
    <message>
        <source>Чек нельзя сохранить: строка %1 файла была бы длиннее 4095 байт.</source>
        <comment>1070</comment>
        <translation>The receipt cannot be saved: line %1 of the file would be longer than 4095 bytes.</translation>
    </message>
    <message>
        <source>Чек нельзя сохранить: в нем больше %1 товарных позиций.</source>
        <comment>1071</comment>
        <translation>The receipt cannot be saved: it holds more than %1 items.</translation>
    </message>
    <message>
        <source>Текст &quot;%1&quot; содержит символ &quot;;&quot;, перевод строки или другой управляющий символ: ЭККР его не напечатает, а файл чека его не сохранит. Пожалуйста, исправьте текст.</source>
        <comment>1072</comment>
        <translation>The text &quot;%1&quot; holds &quot;;&quot;, a line break or another control character: the register will not print it and the receipt file cannot keep it. Please correct the text.</translation>
    </message>
    <message>
        <source>Текст &quot;%1&quot; содержит символы, которые ЭККР не может напечатать. Пожалуйста, исправьте текст.</source>
        <comment>1073</comment>
        <translation>The text &quot;%1&quot; holds characters the register cannot print. Please correct the text.</translation>
    </message>
    <message>
        <source>Количество товара &quot;%1&quot; должно быть числом больше нуля.</source>
        <comment>1074</comment>
        <translation>The quantity &quot;%1&quot; must be a number above zero.</translation>
    </message>
    <message>
        <source>Количество штучного товара &quot;%1&quot; должно быть целым числом.</source>
        <comment>1075</comment>
        <translation>The quantity of piece goods &quot;%1&quot; must be a whole number.</translation>
    </message>
    <message>
        <source>Количество весового товара &quot;%1&quot; должно быть не меньше 0.001 и иметь не больше трех знаков после точки.</source>
        <comment>1076</comment>
        <translation>The quantity of weighed goods &quot;%1&quot; must be at least 0.001 with no more than three decimals.</translation>
    </message>
    <message>
        <source>Сумма &quot;%1&quot; имеет больше знаков после точки, чем денежная единица ЭККР (%2). Пожалуйста, введите правильную сумму.</source>
        <comment>1077</comment>
        <translation>The amount &quot;%1&quot; has more decimals than the register&apos;s currency (%2). Please enter the right amount.</translation>
    </message>
    <message>
        <source>Налоговая ставка %1 не запрограммирована в ЭККР. Пожалуйста, выберите другую налоговую ставку.</source>
        <comment>1078</comment>
        <translation>Tax rate %1 is not programmed in the register. Please choose another tax rate.</translation>
    </message>
    <message>
        <source>Сумма скидки %1 больше суммы товарной позиции %2.</source>
        <comment>1079</comment>
        <translation>The discount %1 is larger than the item&apos;s amount %2.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <comment>1080</comment>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <comment>1081</comment>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <comment>1082</comment>
        <translation>Please enter no more than %1 characters.</translation>
    </message>
    <message>
        <source>Сумма оплаты &quot;%1&quot; не является числом.</source>
        <comment>1083</comment>
        <translation>The payment &quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <source>Сумма оплаты не может быть меньше нуля: %1.</source>
        <comment>1084</comment>
        <translation>A payment cannot be below zero: %1.</translation>
    </message>
    <message>
        <source>Сумма оплаты %1 больше, чем ЭККР может принять.</source>
        <comment>1085</comment>
        <translation>The payment %1 is more than the register can take.</translation>
    </message>
    <message>
        <source>Оплаты 1-3 (%1 + %2 + %3 = %4) превышают сумму чека %5: наличные были бы отрицательными. Пожалуйста, уменьшите оплаты.</source>
        <comment>1086</comment>
        <translation>Payments 1-3 (%1 + %2 + %3 = %4) exceed the receipt total %5: the cash would be negative. Please reduce the payments.</translation>
    </message>
    <message>
        <source>Оплата чека не может быть меньше нуля, а оплаты кроме наличных не могут превышать сумму чека. Чек не закрыт.</source>
        <comment>1087</comment>
        <translation>A payment cannot be below zero, and payments other than cash cannot exceed the receipt total. The receipt is not closed.</translation>
    </message>
    <message>
        <source>Строка %1: полей %2, а должно быть %3.</source>
        <comment>1088</comment>
        <translation>Line %1: %2 fields, %3 expected.</translation>
    </message>
    <message>
        <source>Строка %1, поле %2: &quot;%3&quot; не является числом.</source>
        <comment>1089</comment>
        <translation>Line %1, field %2: &quot;%3&quot; is not a number.</translation>
    </message>
    <message>
        <source>Файл не является файлом чека: он больше %1 байт.</source>
        <comment>1090</comment>
        <translation>Not a receipt file: it is larger than %1 bytes.</translation>
    </message>
    <message>
        <source>Опции автообрезки и звукового сигнала успешно установлены.</source>
        <comment>1091</comment>
        <translation>The auto-cutter and beeper options are set.</translation>
    </message>
    <message>
        <source>Текст заголовока и подвала чека успешно изменен.</source>
        <comment>1092</comment>
        <translation>The receipt header and footer text is changed.</translation>
    </message>
    <message>
        <source>Режим работы артикульной таблицы успешно установлен.</source>
        <comment>1093</comment>
        <translation>The article table mode is set.</translation>
    </message>
    <message>
        <source>Режим расчета наложенных налогов успешно установлен.</source>
        <comment>1094</comment>
        <translation>The added tax calculation mode is set.</translation>
    </message>
    <message>
        <source>Режим печати наложенных налогов успешно установлен.</source>
        <comment>1095</comment>
        <translation>The added tax printing mode is set.</translation>
    </message>
    <message>
        <source>Набор служебных сообщений на чеке успешно установлен.</source>
        <comment>1096</comment>
        <translation>The set of service messages on the receipt is set.</translation>
    </message>
    <message>
        <source>Мнемоника торгового отдела успешно установлена.</source>
        <comment>1097</comment>
        <translation>The department name is set.</translation>
    </message>
    <message>
        <source>Строка %1, поле %2: признак &quot;%3&quot; должен быть 0 или 1.</source>
        <comment>1098</comment>
        <translation>Line %1, field %2: the flag &quot;%3&quot; must be 0 or 1.</translation>
    </message>
    <message>
        <source>НЕ ОБЛАГАЕТСЯ</source>
        <comment>1100</comment>
        <translation>NOT TAXED</translation>
    </message>
    <message>
        <source>Вложенный</source>
        <comment>1101</comment>
        <translation>Included</translation>
    </message>
    <message>
        <source>Наложенный</source>
        <comment>1102</comment>
        <translation>Added</translation>
    </message>
    <message>
        <source>Налог на прибыль (с выигрыша)</source>
        <comment>1103</comment>
        <translation>Tax on winnings</translation>
    </message>
    <message>
        <source>Наименование</source>
        <comment>1104</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Артикул</source>
        <comment>1105</comment>
        <translation>Article</translation>
    </message>
    <message>
        <source>Весовой</source>
        <comment>1106</comment>
        <translation>Weighed</translation>
    </message>
    <message>
        <source>Количество</source>
        <comment>1107</comment>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Цена</source>
        <comment>1108</comment>
        <translation>Price</translation>
    </message>
    <message>
        <source>Налог 1</source>
        <comment>1109</comment>
        <translation>Tax 1</translation>
    </message>
    <message>
        <source>Налог 2</source>
        <comment>1110</comment>
        <translation>Tax 2</translation>
    </message>
    <message>
        <source>Тип Скидки</source>
        <comment>1111</comment>
        <translation>Discount type</translation>
    </message>
    <message>
        <source>Название Скидки</source>
        <comment>1112</comment>
        <translation>Discount name</translation>
    </message>
    <message>
        <source>Сумма Скидки</source>
        <comment>1113</comment>
        <translation>Discount amount</translation>
    </message>
    <message>
        <source>Сложный налог</source>
        <comment>1114</comment>
        <translation>Tax on tax</translation>
    </message>
    <message>
        <source>Сохранить чек в файле</source>
        <comment>1115</comment>
        <translation>Save the receipt to a file</translation>
    </message>
    <message>
        <source>Загрузить чек из файла</source>
        <comment>1116</comment>
        <translation>Load a receipt from a file</translation>
    </message>
    <message>
        <source>Файлы ЭККР с чеками (*.check)</source>
        <comment>1117</comment>
        <translation>Register receipt files (*.check)</translation>
    </message>
    <message>
        <source>Строка %1 списка: %2</source>
        <comment>1120</comment>
        <translation>List line %1: %2</translation>
    </message>
    <message>
        <source>К оплате: %1</source>
        <comment>1121</comment>
        <translation>Amount due: %1</translation>
    </message>
    <message>
        <source>Продажи: %1</source>
        <comment>1122</comment>
        <translation>Sales: %1</translation>
    </message>
    <message>
        <source>Возвраты: %1</source>
        <comment>1123</comment>
        <translation>Returns: %1</translation>
    </message>
    <message>
        <source>%1 %2%: %3</source>
        <comment>1124</comment>
        <translation>%1 %2%: %3</translation>
    </message>
    <message>
        <source>Оплачено: %1 (наличные %2, оплаты 1-3: %3)</source>
        <comment>1125</comment>
        <translation>Paid: %1 (cash %2, payments 1-3: %3)</translation>
    </message>
    <message>
        <source>Сдача: %1</source>
        <comment>1126</comment>
        <translation>Change: %1</translation>
    </message>
    <message>
        <source>Не хватает: %1. ЭККР не закроет такой чек.</source>
        <comment>1127</comment>
        <translation>Short by %1. The register will not close this receipt.</translation>
    </message>
    <message>
        <source>Не учтено строк: %1 (их количество или суммы ЭККР не примет).</source>
        <comment>1128</comment>
        <translation>Lines left out: %1 (the register would not take their quantity or amounts).</translation>
    </message>
    <message>
        <source>Отмечен &quot;Сложный налог&quot;: при печати чек будет оплачен наличными ровно на сумму к оплате, поля оплаты не учитываются.</source>
        <comment>1129</comment>
        <translation>&quot;Tax on tax&quot; is ticked: the receipt will be paid in cash for exactly the amount due; the payment fields are not used.</translation>
    </message>
    <message>
        <source>ЭККР не подключен: итог будет рассчитан после подключения.</source>
        <comment>1130</comment>
        <translation>No register connected: the total is worked out once one is.</translation>
    </message>
    <message>
        <source>Файл %1 загружен, но в нем есть ошибки:
%2</source>
        <comment>1131</comment>
        <translation>The file %1 is loaded, but it has errors:
%2</translation>
    </message>
    <message>
        <source>строка %1 списка, столбец &quot;%2&quot;</source>
        <comment>1132</comment>
        <translation>list line %1, column &quot;%2&quot;</translation>
    </message>
    <message>
        <source>поле &quot;Оплата %1:&quot;</source>
        <comment>1133</comment>
        <translation>the field &quot;Payment %1:&quot;</translation>
    </message>
    <message>
        <source>Налог на выигрыш %1 ЭККР вычитает из суммы чека: он возьмет %2, а не %3 (сумма с прибавленным налогом).</source>
        <comment>1134</comment>
        <translation>The register deducts the tax on winnings %1 from the receipt total: it will take %2, not %3 (the amount with the tax added).</translation>
    </message>
    <message>
        <source>Отмечен &quot;Сложный налог&quot;: оплаты 1-3 при печати не будут использованы, чек будет оплачен наличными на всю сумму к оплате (%1).</source>
        <comment>1135</comment>
        <translation>&quot;Tax on tax&quot; is ticked: payments 1-3 will not be used, the receipt will be paid in cash for the whole amount due (%1).</translation>
    </message>
    <message>
        <source>Неправильный формат посылки, возможно сбой в канале связи</source>
        <comment>2000</comment>
        <translation>Wrong message format, possibly a fault on the line</translation>
    </message>
    <message>
        <source>Для продолжения работы необходимо выполнить Z-отчет</source>
        <comment>2001</comment>
        <translation>A Z report is needed to go on</translation>
    </message>
    <message>
        <source>Ключ находится в положении &quot;Отключено&quot;. Для продолжения работы переведите ключ в рабочее положение.</source>
        <comment>2002</comment>
        <translation>The key is in the &quot;Off&quot; position. Turn the key to a working position to go on.</translation>
    </message>
    <message>
        <source>Передана неизвестная принтеру команда. Возможен сбой в канале связи.</source>
        <comment>2003</comment>
        <translation>The printer received an unknown command. There may be a fault on the line.</translation>
    </message>
    <message>
        <source>Переданная команда не соответствует ожидаемой принтером последовательности. Проверьте правильность работы программы</source>
        <comment>2004</comment>
        <translation>The command is out of the sequence the printer expects. Check that the program works correctly</translation>
    </message>
    <message>
        <source>Z-отчет не сформирован из-за ошибки или аварии</source>
        <comment>2005</comment>
        <translation>The Z report was not made because of an error or failure</translation>
    </message>
    <message>
        <source>Переполнение фискальной памяти. Обратитесь в сервисный центр для покупки нового аппарата.</source>
        <comment>2006</comment>
        <translation>The fiscal memory is full. Contact the service centre to buy a new register.</translation>
    </message>
    <message>
        <source>Встроенные часы содержат неверное время. Текущая дата меньше даты последнего Z-отчета</source>
        <comment>2007</comment>
        <translation>The built-in clock is wrong: the current date is before the date of the last Z report</translation>
    </message>
    <message>
        <source>Неверный тип, количество или значение параметров команды</source>
        <comment>2008</comment>
        <translation>Wrong type, number or value of the command&apos;s parameters</translation>
    </message>
    <message>
        <source>Введен неправильный пароль кассира. Повторите ввод пароля</source>
        <comment>2009</comment>
        <translation>Wrong cashier password. Enter the password again</translation>
    </message>
    <message>
        <source>В процессе печати чека не выполненны соотношения между параметрами команды или их значения не равны рассчетным</source>
        <comment>2010</comment>
        <translation>While printing the receipt, the command&apos;s parameters do not agree or their values differ from the computed ones</translation>
    </message>
    <message>
        <source>Принтер неработоспособен ввиду отсутствия заводского номера. Обратитесь на завод-изготовитель.
Тел.: +380 44 000-00-00
E-mail: factory@orvik.example</source>
        <comment>2011</comment>
        <translation>The printer cannot work without a serial number. Contact the manufacturer.
Phone: +380 44 000-00-00
E-mail: factory@orvik.example</translation>
    </message>
    <message>
        <source>Переведите ключ в положение &quot;РЕГИСТРАЦИЯ&quot; (Р)</source>
        <comment>2012</comment>
        <translation>Turn the key to &quot;REGISTRATION&quot; (Р)</translation>
    </message>
    <message>
        <source>Переведите ключ в положение &quot;ПРОГРАММИРОВАНИЕ&quot; (П)</source>
        <comment>2013</comment>
        <translation>Turn the key to &quot;PROGRAMMING&quot; (П)</translation>
    </message>
    <message>
        <source>Переведите ключ в положение &quot;X-ОТЧЕТ&quot; (X)</source>
        <comment>2014</comment>
        <translation>Turn the key to &quot;X REPORT&quot; (X)</translation>
    </message>
    <message>
        <source>Переведите ключ в положение &quot;Z-ОТЧЕТ&quot; (Z)</source>
        <comment>2015</comment>
        <translation>Turn the key to &quot;Z REPORT&quot; (Z)</translation>
    </message>
    <message>
        <source>Программируемое значение уже присутствует в фискальной памяти</source>
        <comment>2016</comment>
        <translation>The value being programmed is already in the fiscal memory</translation>
    </message>
    <message>
        <source>В фискальной памяти аппарата не найдена регистрационная информация. Фискальная работа аппарата невозможна. Обратитесь в сервисный центр.</source>
        <comment>2017</comment>
        <translation>No registration data in the register&apos;s fiscal memory. The register cannot work fiscally. Contact the service centre.</translation>
    </message>
    <message>
        <source>В фискальной памяти апарата не найдена информация о денежной единице. Обратитесь в сервисный центр.</source>
        <comment>2018</comment>
        <translation>No currency in the register&apos;s fiscal memory. Contact the service centre.</translation>
    </message>
    <message>
        <source>Превышение разрядности чисел при выполнении вычислений</source>
        <comment>2019</comment>
        <translation>A number overflowed in a calculation</translation>
    </message>
    <message>
        <source>Нет бумаги. Для продолжения работы вставьте бумагу в принтер и проверьте ее прохождение через щели датчиков наличия бумаги.</source>
        <comment>2020</comment>
        <translation>Out of paper. To go on, load paper into the printer and check that it runs through the paper sensors&apos; slots.</translation>
    </message>
    <message>
        <source>Возможно принтер смял бумагу или сломался. Если Вам не удается самостоятельно справиться с этой проблемой - обратитесь в сервисный центр.</source>
        <comment>2021</comment>
        <translation>The printer may have jammed the paper or broken down. If you cannot deal with it yourself, contact the service centre.</translation>
    </message>
    <message>
        <source>Возможно принтер смял бумагу или сломался. Если Вам не удается самостоятельно справиться с этой проблемой - обратитесь в сервисный центр.</source>
        <comment>2022</comment>
        <translation>The printer may have jammed the paper or broken down. If you cannot deal with it yourself, contact the service centre.</translation>
    </message>
    <message>
        <source>Ошибка в канале связи (Ошибка паритета)</source>
        <comment>2023</comment>
        <translation>Line error (parity error)</translation>
    </message>
    <message>
        <source>Системные часы содержат неверное время. Оратитесь в сервисный центр.</source>
        <comment>2024</comment>
        <translation>The system clock is wrong. Contact the service centre.</translation>
    </message>
    <message>
        <source>Ошибка сравнения при записи в фискальную память. Дальнейшая работа невозможна. Обратитесь в сервисный центр.</source>
        <comment>2025</comment>
        <translation>A write to the fiscal memory failed its check. The register cannot go on. Contact the service centre.</translation>
    </message>
    <message>
        <source>Недостаточно наличности в кассе для выполнения выдачи наличности по данному чеку.</source>
        <comment>2026</comment>
        <translation>Not enough cash in the drawer to pay out this receipt.</translation>
    </message>
    <message>
        <source>Применение команд регистрации движения ГСМ к неактивным ТРК или резервуарам </source>
        <comment>2027</comment>
        <translation>Fuel movement commands used on inactive dispensers or tanks</translation>
    </message>
    <message>
        <source>Обнаружено искажение основных фискальных реквизитов, записанных в ФП </source>
        <comment>2028</comment>
        <translation>The main fiscal data in the fiscal memory are corrupted</translation>
    </message>
    <message>
        <source>Обнаружено искажение данных в блоке ОП с дневными фискальными данными</source>
        <comment>2029</comment>
        <translation>The day&apos;s fiscal data in the working memory are corrupted</translation>
    </message>
    <message>
        <source>Работа продолжается более 24-х часов. Необходимо выполнить Z-отчет.</source>
        <comment>2030</comment>
        <translation>The register has worked for more than 24 hours. A Z report is needed.</translation>
    </message>
    <message>
        <source>Обнаружено изменение наименования или схем налогообложения или признака делимости товара в команде &apos;FISC&apos;, использующей активизированный номер артикула.</source>
        <comment>2031</comment>
        <translation>A &apos;FISC&apos; command with an activated article number changes the item&apos;s name, tax scheme or divisibility.</translation>
    </message>
    <message>
        <source>Задан неверный номер артикула (не из диапазона 1-9999, либо обращение к не активизированному артикулу).</source>
        <comment>2032</comment>
        <translation>Wrong article number (outside 1-9999, or an article not activated).</translation>
    </message>
    <message>
        <source>Переполнение буфера копирования (более 110 строк в чеке). Последующая команда &apos;COPY&apos; не применима.</source>
        <comment>2033</comment>
        <translation>The copy buffer is full (more than 110 lines in the receipt). A later &apos;COPY&apos; command cannot be used.</translation>
    </message>
    <message>
        <source>Превышено максимальное количество команд &apos;FISC&apos; с параметром &lt;п15&gt; (больше 100)</source>
        <comment>2034</comment>
        <translation>Too many &apos;FISC&apos; commands with parameter &lt;п15&gt; (more than 100)</translation>
    </message>
    <message>
        <source>Превышено максимальное количество команд &apos;SETR&apos;  (больше 5).</source>
        <comment>2035</comment>
        <translation>Too many &apos;SETR&apos; commands (more than 5).</translation>
    </message>
    <message>
        <source>Сума скидки больше суммы оборота по соответствующей товарной позиции.</source>
        <comment>2036</comment>
        <translation>The discount is larger than the turnover of its item.</translation>
    </message>
    <message>
        <source>Задан неверный номер фискальной позиции (в команде &apos;DISC&apos;).</source>
        <comment>2037</comment>
        <translation>Wrong fiscal item number (in the &apos;DISC&apos; command).</translation>
    </message>
    <message>
        <source>Дисплей неисправен. Обратитесь в сервисный центр.</source>
        <comment>2039</comment>
        <translation>The display is faulty. Contact the service centre.</translation>
    </message>
    <message>
        <source>Пришло время технического обслуживания. ЭККР блокирован. Пожалуйста, обратитесь в сервисный центр.</source>
        <comment>2040</comment>
        <translation>Maintenance is due. The register is locked. Please contact the service centre.</translation>
    </message>
    <message>
        <source>В режиме проверки контрольной суммы блока данных обнаружено несовпадение вычисленной и принятой контрольных сумм</source>
        <comment>2041</comment>
        <translation>The checksum of a data block does not match the one received</translation>
    </message>
    <message>
        <source>Неправильное использование режима программирования артикулов. Пожалуйста, установите правильный режим артикульно таблицы командой ARMOx</source>
        <comment>2042</comment>
        <translation>Wrong use of the article programming mode. Please set the right article table mode with the ARMOx command</translation>
    </message>
    <message>
        <source>Папір майже закінчився. Будь ласка, встановіть новий папір.</source>
        <comment>2043</comment>
        <translation>The paper is nearly out. Please load new paper.</translation>
    </message>
    <message>
        <source>Ошибка при открытии коммуникационного порта. Возможно, другая программа уже использует этот порт. Закройте другую программу и попробуйте еще раз.</source>
        <comment>3012</comment>
        <translation>The communication port cannot be opened. Another program may be using it. Close the other program and try again.</translation>
    </message>
    <message>
        <source>Добавьте пользователя в группу, которой принадлежит устройство (обычно &quot;dialout&quot;: sudo usermod -aG dialout $USER), и войдите в систему заново.</source>
        <comment>3013</comment>
        <translation>Add the user to the group the device belongs to (usually &quot;dialout&quot;: sudo usermod -aG dialout $USER) and log in again.</translation>
    </message>
    <message>
        <source>Порт занят другой программой.</source>
        <comment>3014</comment>
        <translation>The port is held by another program.</translation>
    </message>
    <message>
        <source>ссылка ведет на %1, которого нет</source>
        <comment>3015</comment>
        <translation>the link leads to %1, which does not exist</translation>
    </message>
    <message>
        <source>Чек №%1 зарегистрирован ЭККР</source>
        <comment>3100</comment>
        <translation>Receipt No. %1 is registered by the register</translation>
    </message>
    <message>
        <source>Чек не зарегистрирован ЭККР, его можно напечатать снова</source>
        <comment>3101</comment>
        <translation>The receipt is not registered by the register; it can be printed again</translation>
    </message>
    <message>
        <source>ЭККР не ответил на закрытие чека. Зарегистрирован ли чек, станет известно при следующей связи с ЭККР; до тех пор не печатайте его снова.</source>
        <comment>3102</comment>
        <translation>The register did not answer the receipt&apos;s close. Whether the receipt is registered will be known at the next connection to the register; do not print it again until then.</translation>
    </message>
    <message>
        <source>ЭККР не ответил на закрытие чека, и узнать, зарегистрирован ли чек, нельзя. Проверьте контрольную ленту ЭККР, прежде чем печатать чек снова.</source>
        <comment>3103</comment>
        <translation>The register did not answer the receipt&apos;s close, and there is no way to know whether the receipt is registered. Check the register&apos;s journal tape before printing it again.</translation>
    </message>
    <message>
        <source>Чек, оставшийся открытым на ЭККР, отменен.</source>
        <comment>3104</comment>
        <translation>The receipt left open on the register is cancelled.</translation>
    </message>
    <message>
        <source>Связь с ЭККР прервана: %1</source>
        <comment>3105</comment>
        <translation>The link to the register ended: %1</translation>
    </message>
    <message>
        <source>Порт не принял скорость 57600 бод: %1</source>
        <comment>3106</comment>
        <translation>The port refused 57600 baud: %1</translation>
    </message>
    <message>
        <source>&amp;Протокол обмена в файл...</source>
        <comment>3107</comment>
        <translation>Exchange &amp;trace to a file...</translation>
    </message>
    <message>
        <source>Файл протокола обмена</source>
        <comment>3108</comment>
        <translation>Exchange trace file</translation>
    </message>
    <message>
        <source>Протокол обмена не удалось начать: %1</source>
        <comment>3109</comment>
        <translation>The exchange trace could not start: %1</translation>
    </message>
    <message>
        <source>Протокол обмена пишется в %1</source>
        <comment>3110</comment>
        <translation>Exchange trace is written to %1</translation>
    </message>
    <message>
        <source>Номер последнего чека не удалось прочитать из ЭККР, поэтому чек не закрыт, а отменен: он не зарегистрирован, его можно напечатать снова.</source>
        <comment>3111</comment>
        <translation>The last receipt number could not be read from the register, so the receipt was cancelled instead of closed: it is not registered and can be printed again.</translation>
    </message>
    <message>
        <source>Журнал чеков %1 недоступен: %2. Чек не напечатан.</source>
        <comment>3112</comment>
        <translation>The receipt journal %1 cannot be used: %2. The receipt is not printed.</translation>
    </message>
    <message>
        <source>Этот чек уже печатался (%1), ответ ЭККР на его закрытие был потерян, и ЭККР зарегистрировал его как чек №%2.</source>
        <comment>3113</comment>
        <translation>This receipt was printed before (%1); the register&apos;s answer to its close was lost, and the register registered it as receipt No. %2.</translation>
    </message>
    <message>
        <source>Этот чек уже печатался (%1), и зарегистрирован ли он ЭККР, неизвестно. Проверьте контрольную ленту ЭККР.</source>
        <comment>3114</comment>
        <translation>This receipt was printed before (%1), and whether the register registered it is unknown. Check the register&apos;s journal tape.</translation>
    </message>
    <message>
        <source>Напечатать этот чек еще раз?</source>
        <comment>3115</comment>
        <translation>Print this receipt again?</translation>
    </message>
    <message>
        <source>&amp;Журнал чеков</source>
        <comment>3116</comment>
        <translation>Receipt &amp;journal</translation>
    </message>
    <message>
        <source>Журнал чеков</source>
        <comment>3117</comment>
        <translation>Receipt journal</translation>
    </message>
    <message>
        <source>Сохранить в CSV</source>
        <comment>3118</comment>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>Файлы CSV (*.csv)</source>
        <comment>3119</comment>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Время;ЭККР;Номер;Сумма;Наличные;Итог;Копия</source>
        <comment>3120</comment>
        <translation>Time;Register;Number;Total;Cash;Outcome;Copy</translation>
    </message>
    <message>
        <source>зарегистрирован</source>
        <comment>3121</comment>
        <translation>registered</translation>
    </message>
    <message>
        <source>не зарегистрирован</source>
        <comment>3122</comment>
        <translation>not registered</translation>
    </message>
    <message>
        <source>неизвестно</source>
        <comment>3123</comment>
        <translation>unknown</translation>
    </message>
    <message>
        <source>отменен</source>
        <comment>3124</comment>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>Журнал чеков %1 недоступен: %2.</source>
        <comment>3125</comment>
        <translation>The receipt journal %1 cannot be used: %2.</translation>
    </message>
    <message>
        <source>Не показано строк журнала с недопустимыми значениями: %1.</source>
        <comment>3126</comment>
        <translation>Journal rows not shown because their values are not valid: %1.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <comment>3127</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>Z-отчет закроет фискальный день ЭККР, и отменить это нельзя. Напечатать Z-отчет?</source>
        <comment>3128</comment>
        <translation>A Z report closes the register&apos;s fiscal day and cannot be undone. Print the Z report?</translation>
    </message>
    <message>
        <source>линия разорвана (кабель вынут, адаптер отключен или ЭККР выключен)</source>
        <comment>3129</comment>
        <translation>the line hung up (cable pulled, adapter unplugged or register switched off)</translation>
    </message>
    <message>
        <source>ошибка чтения порта (код ошибки %1)</source>
        <comment>3130</comment>
        <translation>reading the port failed (error code %1)</translation>
    </message>
    <message>
        <source>Печать чека: копия %1 из %2, строка %3 из %4</source>
        <comment>3131</comment>
        <translation>Printing receipt: copy %1 of %2, line %3 of %4</translation>
    </message>
    <message>
        <source>Прервать</source>
        <comment>3132</comment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Печать прервана: открытый чек аннулирован, в журнале он отмечен как отмененный.</source>
        <comment>3133</comment>
        <translation>Printing stopped: the open receipt was cancelled and is marked cancelled in the journal.</translation>
    </message>
    <message>
        <source>Ошибка при загрузке битового образа</source>
        <comment>4300</comment>
        <translation>The bitmap could not be loaded</translation>
    </message>
    <message>
        <source>Неверный формат битового образа. Пожалуйста, подготовьте черно-белый битовый образ с максимальной шириной 432 и максимальной выстой 192 пиксела.</source>
        <comment>4301</comment>
        <translation>Wrong bitmap format. Please prepare a black-and-white bitmap at most 432 pixels wide and 192 pixels high.</translation>
    </message>
    <message>
        <source>Неверный формат файла битового образа.</source>
        <comment>4302</comment>
        <translation>Wrong bitmap file format.</translation>
    </message>
    <message>
        <source>Ошибка при передаче битового образа в ЭККР. Битовый образ не установлен.</source>
        <comment>4303</comment>
        <translation>The bitmap could not be sent to the register. The logo is not set.</translation>
    </message>
    <message>
        <source>Подвал чека установлен.</source>
        <comment>4304</comment>
        <translation>The receipt footer is set.</translation>
    </message>
    <message>
        <source>Вы уверены, что хотите стереть все строки в подвале чека?</source>
        <comment>4305</comment>
        <translation>Do you really want to erase every line of the receipt footer?</translation>
    </message>
    <message>
        <source>Не удается установить многострочный подвал чека.</source>
        <comment>4306</comment>
        <translation>The multi-line receipt footer cannot be set.</translation>
    </message>
    <message>
        <source>Установлен межстрочный интервал </source>
        <comment>4307</comment>
        <translation>Line spacing set to </translation>
    </message>
    <message>
        <source>Ошибка при установке межстрочного интервала</source>
        <comment>4308</comment>
        <translation>The line spacing could not be set</translation>
    </message>
    <message>
        <source>Установлен режим печати скидок/надбавок</source>
        <comment>4309</comment>
        <translation>The discount/surcharge printing mode is set</translation>
    </message>
    <message>
        <source>Ошибка при установке режима печати скидок/надбавок.</source>
        <comment>4310</comment>
        <translation>The discount/surcharge printing mode could not be set.</translation>
    </message>
    <message>
        <source>Пустые строки не допускаются</source>
        <comment>4311</comment>
        <translation>Empty lines are not allowed</translation>
    </message>
    <message>
        <source>Символ &quot;%1&quot; нельзя напечатать на ЭККР: его нет в кодовой таблице ЭККР, и вместо него был бы напечатан знак &quot;?&quot;. Пожалуйста, замените его.</source>
        <comment>4313</comment>
        <translation>The character &quot;%1&quot; cannot be printed by the register: its code table lacks it and would print &quot;?&quot; instead. Please replace it.</translation>
    </message>
    <message>
        <source>Подвал чека устанавливается только в сервисном режиме: подключитесь к ЭККР с именем оператора &quot;СЕРВІС&quot;.</source>
        <comment>4314</comment>
        <translation>The receipt footer can be set only in service mode: connect to the register as the operator &quot;СЕРВІС&quot;.</translation>
    </message>
    <message>
        <source>Текст</source>
        <comment>4315</comment>
        <translation>Text</translation>
    </message>
    <message>
        <source>Журнал</source>
        <comment>4316</comment>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Формат</source>
        <comment>4317</comment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Загрузить графический образ</source>
        <comment>4318</comment>
        <translation>Load a logo picture</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)</source>
        <comment>4319</comment>
        <translation>Bitmap files (*.bmp)</translation>
    </message>
    <message>
        <source>Image files (*.bmp *.png)</source>
        <comment>4320</comment>
        <translation>Image files (*.bmp *.png)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <comment>4321</comment>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>%1 мм</source>
        <comment>4322</comment>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Административная консоль для ЭККР &quot;Орвик&quot;</source>
        <comment>6000</comment>
        <translation>Orvik cash register administration console</translation>
    </message>
    <message>
        <source>Пожалуйста, выберите правильный коммуникационный порт, к которому подключен ЭККР</source>
        <comment>6001</comment>
        <translation>Please choose the communication port the register is connected to</translation>
    </message>
    <message>
        <source>Имя оператора не может быть пустым. Пожалуйста, введите имя оператора</source>
        <comment>6002</comment>
        <translation>The operator name cannot be empty. Please enter the operator name</translation>
    </message>
    <message>
        <source>Пароль оператора должен состоять не менее, чем из 10 символов. Пожалуста, введите правильный пароль оператора.</source>
        <comment>6003</comment>
        <translation>The operator password must be at least 10 characters long. Please enter the right operator password.</translation>
    </message>
    <message>
        <source>Доброго вам дня</source>
        <comment>6005</comment>
        <translation>Have a nice day</translation>
    </message>
    <message>
        <source>Состояние: %s</source>
        <comment>6006</comment>
        <translation>State: %s</translation>
    </message>
    <message>
        <source>ЗН ЭККР: %s</source>
        <comment>6007</comment>
        <translation>Register S/N: %s</translation>
    </message>
    <message>
        <source>ПОДКЛЮЧЕН</source>
        <comment>6008</comment>
        <translation>CONNECTED</translation>
    </message>
    <message>
        <source>НЕ ПОДКЛЮЧЕН</source>
        <comment>6009</comment>
        <translation>NOT CONNECTED</translation>
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
        <translation>Connect the register</translation>
    </message>
    <message>
        <source>Отключение ЭККР</source>
        <comment>6013</comment>
        <translation>Disconnect the register</translation>
    </message>
    <message>
        <source>Орвик-683</source>
        <comment>6014</comment>
        <translation>Orvik-683</translation>
    </message>
    <message>
        <source>&amp;Подключение ЭККР	Enter</source>
        <comment>6020</comment>
        <translation>&amp;Connect	Enter</translation>
    </message>
    <message>
        <source>Подключить</source>
        <comment>6021</comment>
        <translation>Connect</translation>
    </message>
    <message>
        <source>&amp;Отключение ЭККР</source>
        <comment>6022</comment>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <source>Отключить</source>
        <comment>6023</comment>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <comment>6024</comment>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Завершение работы с консолью</source>
        <comment>6025</comment>
        <translation>Quit the console</translation>
    </message>
    <message>
        <source>Строка &amp;состояния</source>
        <comment>6026</comment>
        <translation>&amp;Status bar</translation>
    </message>
    <message>
        <source>Показать или скрыть строку состояния</source>
        <comment>6027</comment>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>&amp;О программе &quot;Административная консоль для ЭККР Орвик&quot;</source>
        <comment>6028</comment>
        <translation>&amp;About the Orvik cash register administration console</translation>
    </message>
    <message>
        <source>Сведения о программе и ее версии</source>
        <comment>6029</comment>
        <translation>About the program and its version</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <comment>6030</comment>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Соединение</source>
        <comment>6031</comment>
        <translation>Connection</translation>
    </message>
    <message>
        <source>&amp;Соединение</source>
        <comment>6032</comment>
        <translation>&amp;Connection</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <comment>6033</comment>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Панель &amp;инструментов</source>
        <comment>6034</comment>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Показать или скрыть панель инструментов</source>
        <comment>6035</comment>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <comment>6036</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Версия: %1,%2,%3,%4</source>
        <comment>6037</comment>
        <translation>Version: %1,%2,%3,%4</translation>
    </message>
    <message>
        <source>Установки ЭККР</source>
        <comment>6040</comment>
        <translation>Register settings</translation>
    </message>
    <message>
        <source>Установки ЭККР 2</source>
        <comment>6041</comment>
        <translation>Register settings 2</translation>
    </message>
    <message>
        <source>Отчеты</source>
        <comment>6042</comment>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Печать чеков</source>
        <comment>6043</comment>
        <translation>Receipts</translation>
    </message>
    <message>
        <source>Терминал</source>
        <comment>6044</comment>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Команды и ответы ЭККР уровня протокола</source>
        <comment>6100</comment>
        <translation>Protocol-level commands and register replies</translation>
    </message>
    <message>
        <source>Открыть командный файл ЭККР</source>
        <comment>6101</comment>
        <translation>Open a register command file</translation>
    </message>
    <message>
        <source>Сохранить команды в файл</source>
        <comment>6102</comment>
        <translation>Save the commands to a file</translation>
    </message>
    <message>
        <source>Командные файлы ЭККР (*.cmd)</source>
        <comment>6103</comment>
        <translation>Register command files (*.cmd)</translation>
    </message>
    <message>
        <source>Сохранить протокол в файл</source>
        <comment>6104</comment>
        <translation>Save the log to a file</translation>
    </message>
    <message>
        <source>Файлы отчетов ЭККР (*.rpt)</source>
        <comment>6105</comment>
        <translation>Register report files (*.rpt)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <comment>6106</comment>
        <translation>All files (*)</translation>
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
        <translation>%1 is not a command file: line %2 holds binary data.</translation>
    </message>
    <message>
        <source>Файл %1 не является командным файлом: в нем больше %2 команд.</source>
        <comment>6109</comment>
        <translation>%1 is not a command file: it holds more than %2 commands.</translation>
    </message>
    <message>
        <source>Некоторые символы нельзя записать в кодировке Windows-1251: в файле они будут заменены знаком &quot;?&quot;. Сохранить файл?</source>
        <comment>6110</comment>
        <translation>Some characters cannot be written in Windows-1251: the file will have &quot;?&quot; in their place. Save the file?</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <comment>6198</comment>
        <translation>Unable to open hyperlink:

</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <comment>6199</comment>
        <translation>Unknown Error (%1) occurred.</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <comment>6200</comment>
        <translation>The operating system is out
of memory or resources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <comment>6202</comment>
        <translation>The specified file was not found.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <comment>6203</comment>
        <translation>The specified path was not found.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <comment>6205</comment>
        <translation>The operating system denied
access to the specified file.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <comment>6208</comment>
        <translation>There was not enough memory to complete the operation.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <comment>6211</comment>
        <translation>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <comment>6226</comment>
        <translation>A sharing violation occurred. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <comment>6227</comment>
        <translation>The filename association is
incomplete or invalid.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <comment>6228</comment>
        <translation>The DDE transaction could not
be completed because the request timed out.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <comment>6229</comment>
        <translation>The DDE transaction failed.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <comment>6230</comment>
        <translation>The DDE transaction could not
be completed because other DDE transactions
were being processed.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <comment>6231</comment>
        <translation>There is no application associated
with the given filename extension.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <comment>6232</comment>
        <translation>The specified dynamic-link library was not found.</translation>
    </message>
    <message>
        <source>&amp;Язык</source>
        <comment>6038</comment>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Язык текстов консоли</source>
        <comment>6039</comment>
        <translation>The language of the console</translation>
    </message>
    <message>
        <source>Выбранный язык консоль покажет после перезапуска.</source>
        <comment>6045</comment>
        <translation>The console will use the chosen language after a restart.</translation>
    </message>
    <message>
        <source>электронные кассовые регистраторы</source>
        <comment>6046</comment>
        <translation>electronic cash registers</translation>
    </message>
</context>
<context>
    <name>TabOtherSettings</name>
    <message>
        <source>Установка внутренних часов ЭККР</source>
        <translation>The register&apos;s clock</translation>
    </message>
    <message>
        <source>ЗАМЕЧАНИЕ: Время во внутренних часах ЭККР можно изменять не более, чем на полтора часа вперед или назад и только один раз после Z-отчета с обнулением.</source>
        <translation>NOTE: the register&apos;s clock can be moved no more than an hour and a half forward or back, and only once after a Z report.</translation>
    </message>
    <message>
        <source>Время в ЭККР:</source>
        <translation>Register time:</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Текущее время</source>
        <translation>Current time</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Режим работы артикульной таблицы</source>
        <translation>Article table mode</translation>
    </message>
    <message>
        <source>Регистрировать новые артикулы</source>
        <translation>Register new articles</translation>
    </message>
    <message>
        <source>Использовать запрограммированные</source>
        <translation>Use programmed articles</translation>
    </message>
    <message>
        <source>Использовать бухгалтерские коды</source>
        <translation>Use accounting codes</translation>
    </message>
    <message>
        <source>Автообрезка и звуковой сигнал</source>
        <translation>Auto-cutter and beeper</translation>
    </message>
    <message>
        <source>Включить автообрезчик</source>
        <translation>Auto-cutter on</translation>
    </message>
    <message>
        <source>Включить звуковой сигнал</source>
        <translation>Beeper on</translation>
    </message>
    <message>
        <source>Неполная обрезка чековой ленты</source>
        <translation>Partial cut of the receipt tape</translation>
    </message>
    <message>
        <source>Режим расчета наложенных налогов</source>
        <translation>Added tax calculation</translation>
    </message>
    <message>
        <source>Расчитывать наложенные налоги на общую сумму</source>
        <translation>Compute added taxes on the total</translation>
    </message>
    <message>
        <source>Расчитывать наложенные налоги на каждый товар</source>
        <translation>Compute added taxes per item</translation>
    </message>
    <message>
        <source>Установка заголовочной и подвальной строк чека</source>
        <translation>Receipt header and footer lines</translation>
    </message>
    <message>
        <source>Заголовок чека</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>Подвал чека</source>
        <translation>Footer</translation>
    </message>
    <message>
        <source>Режим печати наложенных налогов</source>
        <translation>Added tax printing</translation>
    </message>
    <message>
        <source>После каждой товарной позиции</source>
        <translation>After each item</translation>
    </message>
    <message>
        <source>По общей сумме оборота в чеке</source>
        <translation>On the receipt total</translation>
    </message>
    <message>
        <source>Мнемоника торгового отдела</source>
        <translation>Department name</translation>
    </message>
    <message>
        <source>Мнемоника отдела</source>
        <translation>Department</translation>
    </message>
    <message>
        <source>Набор служебных сообщений на чеке</source>
        <translation>Service messages on the receipt</translation>
    </message>
    <message>
        <source>Торговая касса (розница, оптовые продажи)</source>
        <translation>Shop till (retail, wholesale)</translation>
    </message>
    <message>
        <source>Автостанции, вокзалы</source>
        <translation>Bus and railway stations</translation>
    </message>
    <message>
        <source>Услуги по кредитованию, ломбарды</source>
        <translation>Lending services, pawnshops</translation>
    </message>
    <message>
        <source>Игорный бизнес</source>
        <translation>Gaming</translation>
    </message>
</context>
<context>
    <name>TabReports</name>
    <message>
        <source>Отчеты</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Х-Отчет</source>
        <translation>X report</translation>
    </message>
    <message>
        <source>Z-Отчет</source>
        <translation>Z report</translation>
    </message>
    <message>
        <source>Реализация в разрезе артикулов</source>
        <translation>Sales by article</translation>
    </message>
    <message>
        <source>Применение скидок/надбавок</source>
        <translation>Discounts and surcharges</translation>
    </message>
    <message>
        <source>Нулевой чек</source>
        <translation>Zero receipt</translation>
    </message>
    <message>
        <source>Состояние аппаратуры ЭККР</source>
        <translation>Register hardware state</translation>
    </message>
    <message>
        <source>Нулевой Z-Отчет</source>
        <translation>Zero Z report</translation>
    </message>
    <message>
        <source>Периодические фискальные отчеты</source>
        <translation>Periodic fiscal reports</translation>
    </message>
    <message>
        <source>Использовать </source>
        <translation>Use the </translation>
    </message>
    <message>
        <source>сокращенную</source>
        <translation>short</translation>
    </message>
    <message>
        <source>полную форму отчета</source>
        <translation>full form of the report</translation>
    </message>
    <message>
        <source>Периодический фискальный отчет по датам Z-Отчетов</source>
        <translation>Periodic fiscal report by Z report dates</translation>
    </message>
    <message>
        <source>С даты</source>
        <translation>From</translation>
    </message>
    <message>
        <source>по дату</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Печатать отчет</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>Периодический фискальный отчет по номерам Z-Отчетов</source>
        <translation>Periodic fiscal report by Z report numbers</translation>
    </message>
    <message>
        <source>С номера</source>
        <translation>From No.</translation>
    </message>
    <message>
        <source>по номер</source>
        <translation>to No.</translation>
    </message>
</context>
<context>
    <name>TabSales</name>
    <message>
        <source>Товарная позиция</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Товар весовой (делимый)</source>
        <translation>Weighed (divisible) goods</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Цена товара</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Артикул</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Ставка № 1</source>
        <translation>Rate 1</translation>
    </message>
    <message>
        <source>Возврат товара</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Ставка № 2</source>
        <translation>Rate 2</translation>
    </message>
    <message>
        <source>Сложный налог(налог на налог)</source>
        <translation>Compound tax (tax on tax)</translation>
    </message>
    <message>
        <source>Скидка/надбавка</source>
        <translation>Discount/surcharge</translation>
    </message>
    <message>
        <source>Нет скидок/надбавок</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Скидка</source>
        <translation>Discount</translation>
    </message>
    <message>
        <source>Надбавка</source>
        <translation>Surcharge</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Сумма скидки</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>&amp;Добавить в список</source>
        <translation>&amp;Add to list</translation>
    </message>
    <message>
        <source>Изменить строку списка</source>
        <translation>Change list line</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Выбрать все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Снять выделение</source>
        <translation>Deselect</translation>
    </message>
    <message>
        <source>Список товарных позиций в чеке и формы оплаты</source>
        <translation>Receipt items and payments</translation>
    </message>
    <message>
        <source>Итог чека</source>
        <translation>Receipt total</translation>
    </message>
    <message>
        <source>Формы оплаты</source>
        <translation>Payments</translation>
    </message>
    <message>
        <source>Наличные: </source>
        <translation>Cash: </translation>
    </message>
    <message>
        <source>Оплата 1:</source>
        <translation>Payment 1:</translation>
    </message>
    <message>
        <source>Оплата 2:</source>
        <translation>Payment 2:</translation>
    </message>
    <message>
        <source>Оплата 3:</source>
        <translation>Payment 3:</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Номер чека:</source>
        <translation>Receipt No.:</translation>
    </message>
    <message>
        <source>Напечатать чек</source>
        <translation>Print receipt</translation>
    </message>
    <message>
        <source>раз, а затем</source>
        <translation>times, then</translation>
    </message>
    <message>
        <source>Не очищать</source>
        <translation>Keep the list</translation>
    </message>
    <message>
        <source>Очистить список</source>
        <translation>Clear the list</translation>
    </message>
    <message>
        <source>Печать на обычной ленте</source>
        <translation>Ordinary tape</translation>
    </message>
    <message>
        <source>Печать на непрерывной ленте</source>
        <translation>Continuous tape</translation>
    </message>
    <message>
        <source>Штрихкод</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>&amp;Печатать чек</source>
        <translation>&amp;Print receipt</translation>
    </message>
    <message>
        <source>Сохранить чек</source>
        <translation>Save receipt</translation>
    </message>
    <message>
        <source>Загрузить чек</source>
        <translation>Load receipt</translation>
    </message>
    <message>
        <source>Наличность</source>
        <translation>Cash</translation>
    </message>
</context>
<context>
    <name>TabServiceSettings2</name>
    <message>
        <source>Графический образ</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Печатать образ</source>
        <translation>Print the logo</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Многострочный подвал чека</source>
        <translation>Multi-line receipt footer</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Межстрочное расстояние</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>Печать скидок/надбавок</source>
        <translation>Discount printing</translation>
    </message>
    <message>
        <source>Печатать скидки/надбавки в каждой строке чека</source>
        <translation>On every receipt line</translation>
    </message>
    <message>
        <source>Печатать скидки/надбавки в конце чека</source>
        <translation>At the end of the receipt</translation>
    </message>
</context>
<context>
    <name>TabTerminal</name>
    <message>
        <source>Команды уровня протокола для ЭККР</source>
        <translation>Protocol commands for the register</translation>
    </message>
    <message>
        <source>&amp;Послать в ЭККР</source>
        <translation>&amp;Send to register</translation>
    </message>
    <message>
        <source>&amp;Очистить</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>Загрузить файл</source>
        <translation>Load file</translation>
    </message>
    <message>
        <source>Сохранить в файл</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Снять выделение</source>
        <translation>Deselect</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Сохранить отчет</source>
        <translation>Save log</translation>
    </message>
</context>
</TS>
