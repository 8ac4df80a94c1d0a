#pragma once

namespace orvik::gui {

// The console's own texts: its title, the connection bar's warnings and the status bar. The
// device core's messages live in the string table under res/.

// The application name, the window title and the caption of the console's own message boxes.
inline constexpr char16_t kTitle[] = u"Административная консоль для ЭККР \"Орвик\"";

// The connection bar's checks, in the order they are made.
inline constexpr char16_t kNoPortMessage[] =
    u"Пожалуйста, выберите правильный коммуникационный порт, к которому подключен ЭККР";
inline constexpr char16_t kNoOperatorNameMessage[] =
    u"Имя оператора не может быть пустым. Пожалуйста, введите имя оператора";
inline constexpr char16_t kNoPasswordMessage[] =
    u"Пароль оператора должен состоять не менее, чем из 10 символов. Пожалуста, введите "
    u"правильный пароль оператора.";

inline constexpr char16_t kDefaultOperatorName[] = u"Касир";

// Status bar.
inline constexpr char16_t kIdleText[] = u"Доброго вам дня";
inline constexpr char16_t kStateFormat[] = u"Состояние: %s";
inline constexpr char16_t kSerialFormat[] = u"ЗН ЭККР: %s";
inline constexpr char16_t kConnected[] = u"ПОДКЛЮЧЕН";
inline constexpr char16_t kNotConnected[] = u"НЕ ПОДКЛЮЧЕН";
// The serial pane is made wide enough for a serial number of this many digits.
inline constexpr char16_t kSerialWidthSample[] = u"0123456789";
inline constexpr char16_t kNumLockIndicator[] = u"NUM";
inline constexpr char16_t kCapsLockIndicator[] = u"CAP";

// Prompts of the two connection commands (status tips), also shown while they run.
inline constexpr char16_t kConnectPrompt[] = u"Подключение ЭККР";
inline constexpr char16_t kDisconnectPrompt[] = u"Отключение ЭККР";

}  // namespace orvik::gui
