#pragma once

namespace orvik::gui {

// The protocol terminal page's own texts. Its labels and button captions are in its layout
// (res/tab_terminal.ui).

inline constexpr char16_t kLogColumnTitle[] = u"Команды и ответы ЭККР уровня протокола";

// The command-file dialogs.
inline constexpr char16_t kOpenCommandsTitle[] = u"Открыть командный файл ЭККР";
inline constexpr char16_t kSaveCommandsTitle[] = u"Сохранить команды в файл";
inline constexpr char16_t kCommandFilesFilter[] = u"Командные файлы ЭККР (*.cmd)";
inline constexpr char16_t kCommandFileSuffix[] = u"cmd";

// The report dialog.
inline constexpr char16_t kSaveReportTitle[] = u"Сохранить протокол в файл";
inline constexpr char16_t kReportFilesFilter[] = u"Файлы отчетов ЭККР (*.rpt)";
inline constexpr char16_t kReportFileSuffix[] = u"rpt";

// Every file: on Linux a name need not have a dot to be shown.
inline constexpr char16_t kAllFilesFilter[] = u"Все файлы (*)";

// A file error: %1 the file, %2 the system's description.
inline constexpr char16_t kFileErrorFormat[] = u"%1\n\n%2";
// Loading refused: %1 the file, %2 a line number.
inline constexpr char16_t kBinaryCommandFile[] =
    u"Файл %1 не является командным файлом: строка %2 содержит двоичные данные.";
// Loading refused: %1 the file, %2 the largest number of commands.
inline constexpr char16_t kTooManyCommands[] =
    u"Файл %1 не является командным файлом: в нем больше %2 команд.";
// Saving would replace characters: asked before the file is written.
inline constexpr char16_t kCharactersLostOnSave[] =
    u"Некоторые символы нельзя записать в кодировке Windows-1251: в файле они будут заменены "
    u"знаком \"?\". Сохранить файл?";

}  // namespace orvik::gui
