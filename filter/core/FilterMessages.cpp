#include "filter/core/FilterMessages.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

namespace ae {

namespace {

struct MessageEntry {
  int Id;
  std::string_view Text;
};

// Sorted by identifier. Texts keep their trailing blanks: messages are joined with what
// follows them without anything in between.
constexpr MessageEntry Messages[] = {
    {799, "Внутренняя ошибка программы"},
    {800, "Ошибка ввода MPT или LOCKOUT"},
    {801, "Ошибка ввода параметров Вперед или Назад"},
    {802, "MPT не может быть больше LOCKOUT"},
    {803, "Пустая запись"},
    {804, "Запись фильтра содержит пустые поля"},
    {805, "Неверный тип фильтра или знака"},
    {806, "Минимальный предел больше максимального"},
    {807, "Ошибка преобразования"},
    {808, "Неизвестный тип фильтра"},
    {809, "Ошибка открытия файла данных"},
    {810, "Неизвестный тип файла"},
    {811, "Для выполнения фильтрации выберите\n одну из соответствующих закладок"},
    {812, "Неверная область действия выражения"},
    {813, "Отсутствует главное выражение фильтрации "},
    {814, "Не задан ИСХОДНЫЙ файл"},
    {815, "Исходный файл отсутствует на диске"},
    {816, "Файл не может быть фильтрован"},
    {818, "Фильтрация прервана пользователем"},
    {819,
     "Главное выражение фильтрации неполно: в нём нет буквы окна (A, B, C, D) или у знака & или | "
     "не хватает операнда"},
    {820, "Ошибка записи файла данных"},
    {821, "Ошибка чтения файла данных"},
    {822, "Исходный файл сохранён под именем "},
    {823, "Не удалось записать файл протокола "},
    {1000, "Нет записей"},
    {1001, "Объединение записей по "},
    {1002, "Тащи ОДИН файл!"},
    {1003, "Тип файла не зарегистрирован"},
    {1004, "В командной строке слишком много параметров"},
    {1005, "Фильтрация успешно завершена."},
    {1007,
     "Фильтрация завершена.\nЗапись окончания испытания (EndOfData) не обнаружена.\n"
     "Рекомендуется проверить исходный файл."},
    {1008,
     "Имя результирующего файла не задано или совпадает с именем исходного.\n"
     "Исходный файл будет изменен.\nПродолжить?"},
    {1009, "Завершить работу программы?"},
    {1010, "Окно "},
    {1011, "Источник : \t"},
    {1012, "Результат : \t"},
    {1013, "Включающий"},
    {1014, "Исключающий"},
    {1015, "Обработка событий : "},
    {1016, "По импульсам"},
    {1017, "По событиям "},
    {1018, "Фильтрация механических помех "},
    {1019, "(Вперед : "},
    {1020, ", Назад : "},
    {1026, "Выражения фильтрации : "},
    {1027, "Тип фильтра : "},
    {1034, "Results :  "},
    {1035, "Handling"},
    {1036, "Accepted"},
    {1037, "Deleted"},
    {1038, " records"},
    {1039, "Illegal Token"},
    {1041, "Первый импульс : "},
    {1042, "Второй импульс : "},
    {1043, "Третий импульс : "},
    {1044, "Любой импульс  : "},
    {1045, "Файл протокола '"},
    {1046, "' не найден"},
    {1047, "Source file name"},
    {1048, "Destination file name"},
    {1051, "Выбор папки протокола.."},
    {1052, "Фильтр успешно внесен в Базу Данных"},
    {1053, "Фильтр успешно перезаписан"},
    {1054, "Запись фильтра удалена. Попробуйте использовать кнопку 'Добавить'"},
    {1055, "Expression"},
    {1056, "Parameter"},
    {1057, "Parameter Y"},
    {1058, "Parameter X"},
    {1059, "Program's language will be changed at the next launch"},
    {1200, "Ошибка.."},
    {1201, "Резюме.."},
    {1203, "Внимание.."},
    {1204, "Выход.."},
    {2001, "Файл не отсортирован.\nТребуется сортированный файл"},
};
constexpr std::size_t MessageCount = std::size(Messages);

constexpr bool SortedById() {
  for (std::size_t i = 1; i < MessageCount; ++i)
    if (Messages[i - 1].Id >= Messages[i].Id) return false;
  return true;
}
static_assert(SortedById(), "the lookup needs the table sorted by identifier");

}  // namespace

const std::string& FilterMessage(int id) {
  // The texts as strings, made once; the table stays the one place they are written.
  static const std::array<std::string, MessageCount> texts = [] {
    std::array<std::string, MessageCount> t;
    for (std::size_t i = 0; i < MessageCount; ++i) t[i] = std::string(Messages[i].Text);
    return t;
  }();
  static const std::string none;
  const auto it = std::lower_bound(std::begin(Messages), std::end(Messages), id,
                                   [](const MessageEntry& e, int key) { return e.Id < key; });
  if (it == std::end(Messages) || it->Id != id) return none;
  return texts[static_cast<std::size_t>(it - std::begin(Messages))];
}

}  // namespace ae
