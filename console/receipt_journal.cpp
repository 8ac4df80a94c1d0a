#include "console/receipt_journal.h"

#include <fcntl.h>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <thread>

#include "console/field_checks.h"
#include "support/regular_file.h"
#include "support/text_codec.h"

namespace orvik::console {

namespace {

constexpr int kSchemaVersion = 1;
constexpr int kBusyTimeoutMs = 10'000;
constexpr std::size_t kMaxSerialLength = 64;
constexpr std::size_t kMaxOperatorLength = 64;
constexpr std::size_t kDigestLength = 64;

// The schema as it must read back from the file: a table made otherwise (without its checks,
// say) is not this program's journal.
constexpr const char* kCopiesTable =
    "CREATE TABLE receipt_copies ("
    "id INTEGER PRIMARY KEY, "
    "sent_at INTEGER NOT NULL CHECK (sent_at >= 0), "
    "register TEXT NOT NULL CHECK (length(register) BETWEEN 1 AND 64), "
    "operator TEXT NOT NULL CHECK (length(operator) <= 64), "
    "digest TEXT NOT NULL CHECK (length(digest) IN (0, 64)), "
    "copy INTEGER NOT NULL CHECK (copy BETWEEN 1 AND 100), "
    "copies INTEGER NOT NULL CHECK (copies BETWEEN copy AND 100), "
    "number_before INTEGER CHECK (number_before BETWEEN 0 AND 2147483647), "
    "total INTEGER, "
    "cash INTEGER, "
    "decimals INTEGER NOT NULL CHECK (decimals BETWEEN 0 AND 3), "
    "outcome TEXT NOT NULL CHECK (outcome IN "
    "('registered', 'not registered', 'unknown', 'cancelled')), "
    "number INTEGER CHECK (number BETWEEN 1 AND 2147483647), "
    "answered INTEGER NOT NULL CHECK (answered IN (0, 1)), "
    "settled TEXT NOT NULL CHECK (settled IN "
    "('pending', 'answer', 'counter', 'later', 'tape', 'not sent', 'imported')), "
    "CHECK (number IS NULL OR outcome = 'registered'), "
    "CHECK (settled NOT IN ('pending', 'imported') OR "
    "(outcome = 'unknown' AND number_before IS NOT NULL)))";
constexpr const char* kCopiesIndex =
    "CREATE INDEX copies_by_register ON receipt_copies (register, outcome)";

constexpr const char* kOutcomeTexts[] = {"registered", "not registered", "unknown", "cancelled"};
constexpr const char* kSettlementTexts[] = {"pending", "answer",   "counter", "later",
                                            "tape",    "not sent", "imported"};

const char* Text(JournalOutcome outcome) {
    return kOutcomeTexts[static_cast<int>(outcome)];
}

const char* Text(Settlement settled) {
    return kSettlementTexts[static_cast<int>(settled)];
}

template <class E, std::size_t N>
std::optional<E> FromText(const char* const (&texts)[N], std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (text == texts[i]) {
            return static_cast<E>(i);
        }
    }
    return std::nullopt;
}

// The register's number for a registered receipt; nothing otherwise, or when it gave none.
std::optional<std::int32_t> RegisteredNumber(const device::CloseOutcome& outcome) {
    if (outcome.outcome != device::ReceiptOutcome::Registered || outcome.receiptNumber <= 0) {
        return std::nullopt;
    }
    return outcome.receiptNumber;
}

std::string SystemError(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

// One prepared statement, finalized when it goes.
class Statement {
  public:
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
            m_stmt = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    explicit operator bool() const { return m_stmt != nullptr; }
    sqlite3_stmt* get() const { return m_stmt; }

    void Bind(int index, std::int64_t value) { sqlite3_bind_int64(m_stmt, index, value); }
    void Bind(int index, std::string_view text) {
        sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
    void Bind(int index, std::u16string_view text) { Bind(index, support::ToUtf8(text)); }
    void Bind(int index, const char* text) { Bind(index, std::string_view(text)); }
    template <class T>
    void Bind(int index, const std::optional<T>& value) {
        if (value) {
            Bind(index, static_cast<std::int64_t>(*value));
        } else {
            sqlite3_bind_null(m_stmt, index);
        }
    }

    int Step() { return sqlite3_step(m_stmt); }

    bool IsNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }
    bool IsInteger(int column) const {
        return sqlite3_column_type(m_stmt, column) == SQLITE_INTEGER;
    }
    std::int64_t Integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    std::optional<std::string> String(int column) const {
        if (sqlite3_column_type(m_stmt, column) != SQLITE_TEXT) {
            return std::nullopt;
        }
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)));
    }

  private:
    sqlite3_stmt* m_stmt = nullptr;
};

constexpr const char* kCopyColumns =
    "id, sent_at, register, operator, digest, copy, copies, number_before, total, cash, "
    "decimals, outcome, number, answered, settled";

bool InRange(std::int64_t value, std::int64_t low, std::int64_t high) {
    return value >= low && value <= high;
}

std::optional<std::int32_t> OptionalNumber(const Statement& row, int column, std::int64_t low,
                                           bool& valid) {
    if (row.IsNull(column)) {
        return std::nullopt;
    }
    if (!row.IsInteger(column) || !InRange(row.Integer(column), low, INT32_MAX)) {
        valid = false;
        return std::nullopt;
    }
    return static_cast<std::int32_t>(row.Integer(column));
}

std::optional<std::int64_t> OptionalAmount(const Statement& row, int column, bool& valid) {
    if (row.IsNull(column)) {
        return std::nullopt;
    }
    if (!row.IsInteger(column) || !InRange(row.Integer(column), INT32_MIN, INT32_MAX)) {
        valid = false;
        return std::nullopt;
    }
    return row.Integer(column);
}

// A row read back as kCopyColumns lists them, and only when every value is one the schema
// allows: a file changed by hand is not trusted beyond that.
std::optional<JournalCopy> ReadCopy(const Statement& row) {
    JournalCopy copy;
    bool valid = true;
    for (const int column : {0, 1, 5, 6, 10, 13}) {
        valid = valid && row.IsInteger(column);
    }
    const auto serial = row.String(2);
    const auto operatorName = row.String(3);
    const auto digest = row.String(4);
    const auto outcome = row.String(11);
    const auto settled = row.String(14);
    if (!valid || !serial || !operatorName || !digest || !outcome || !settled) {
        return std::nullopt;
    }
    copy.id = row.Integer(0);
    copy.time = row.Integer(1);
    copy.serialNumber = support::FromUtf8(*serial);
    copy.operatorName = support::FromUtf8(*operatorName);
    copy.digest = *digest;
    copy.numberBefore = OptionalNumber(row, 7, 0, valid);
    copy.total = OptionalAmount(row, 8, valid);
    copy.cash = OptionalAmount(row, 9, valid);
    copy.number = OptionalNumber(row, 12, 1, valid);
    const auto outcomeValue = FromText<JournalOutcome>(kOutcomeTexts, *outcome);
    const auto settledValue = FromText<Settlement>(kSettlementTexts, *settled);
    valid = valid && outcomeValue && settledValue && copy.time >= 0 &&
            InRange(static_cast<std::int64_t>(copy.serialNumber.size()), 1, kMaxSerialLength) &&
            copy.operatorName.size() <= kMaxOperatorLength &&
            (copy.digest.empty() || copy.digest.size() == kDigestLength) &&
            InRange(row.Integer(5), 1, field_checks::kMaxPrintCount) &&
            InRange(row.Integer(6), row.Integer(5), field_checks::kMaxPrintCount) &&
            InRange(row.Integer(10), 0, 3) && InRange(row.Integer(13), 0, 1);
    if (!valid) {
        return std::nullopt;
    }
    copy.copy = static_cast<int>(row.Integer(5));
    copy.copies = static_cast<int>(row.Integer(6));
    copy.moneyDecimals = static_cast<int>(row.Integer(10));
    copy.outcome = *outcomeValue;
    copy.answered = row.Integer(13) == 1;
    copy.settled = *settledValue;
    const bool pending =
        copy.settled == Settlement::Pending || copy.settled == Settlement::Imported;
    if ((copy.number && copy.outcome != JournalOutcome::Registered) ||
        (pending && (copy.outcome != JournalOutcome::Unknown || !copy.numberBefore))) {
        return std::nullopt;
    }
    return copy;
}

// Every folder up to path made, each new one 0700: the journal names the user's registers and
// operators.
bool MakeFolders(const std::string& path, std::string* error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (!S_ISDIR(info.st_mode)) {
            *error = path + " is not a folder";
            return false;
        }
        return true;
    }
    const auto slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash), error)) {
        return false;
    }
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        *error = SystemError("cannot create the folder " + path, errno);
        return false;
    }
    return true;
}

// The file made 0600 when missing, and refused when it is not a plain file (a FIFO would
// block, a device is nobody's journal). Opened without following a symbolic link.
bool PrepareFile(const std::string& path, std::string* error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) {
        *error = SystemError("cannot open it", errno);
        return false;
    }
    struct stat info {};
    const bool plain = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!plain) {
        *error = "it is not a plain file";
    }
    return plain;
}

// "SERIAL\tNUMBER" lines of the older state file, each checked: a serial number of letters and
// digits, a number of digits alone that fits the register's counter.
std::optional<std::pair<std::u16string, std::int32_t>> ReadUnsettledLine(const std::string& line) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos || tab == 0 || tab > kMaxSerialLength * 2) {
        return std::nullopt;
    }
    const std::u16string serial = support::FromUtf8(std::string_view(line).substr(0, tab));
    for (const char16_t ch : serial) {
        if (ch <= u' ' || ch == 0x7F || ch == 0xFFFD) {
            return std::nullopt;
        }
    }
    const std::string_view digits = std::string_view(line).substr(tab + 1);
    std::int32_t number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || digits[0] == '-' || digits[0] == '+' || ec != std::errc() ||
        end != digits.data() + digits.size() || serial.size() > kMaxSerialLength) {
        return std::nullopt;
    }
    return std::pair{serial, number};
}

}  // namespace

ReceiptJournal::ReceiptJournal(sqlite3* db, std::string path) : m_db(db), m_path(std::move(path)) {}

ReceiptJournal::~ReceiptJournal() {
    sqlite3_close(m_db);
}

std::unique_ptr<ReceiptJournal> ReceiptJournal::Open(const std::string& path, std::string* error) {
    std::string reason;
    const bool inMemory = path == ":memory:";
    if (path.empty()) {
        reason = "no folder for it (neither ORVIK_STATE_DIR nor a home folder is set)";
    } else if (!inMemory) {
        const auto slash = path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
        if (!folder.empty() && MakeFolders(folder, &reason)) {
            PrepareFile(path, &reason);
        }
    }
    if (!reason.empty()) {
        *error = reason;
        return nullptr;
    }
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW |
                      (inMemory ? SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY : 0);
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        *error = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<ReceiptJournal> journal(new ReceiptJournal(db, path));
    if (!journal->Prepare()) {
        *error = journal->m_error;
        return nullptr;
    }
    return journal;
}

bool ReceiptJournal::Execute(const char* sql) {
    // SQLite does not wait on its own for every lock: switching a new file to WAL while
    // another program makes it, for one. Those are tried again for as long as a busy wait
    // lasts.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    for (;;) {
        char* message = nullptr;
        const int result = sqlite3_exec(m_db, sql, nullptr, nullptr, &message);
        if (result == SQLITE_OK) {
            return true;
        }
        m_error = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        if ((result & 0xFF) != SQLITE_BUSY || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Settings, integrity, schema; the schema made in a new file.
bool ReceiptJournal::Prepare() {
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    // Several programs write at once; a commit reaches the disk before the close is sent.
    if (!Execute("PRAGMA journal_mode = WAL") || !Execute("PRAGMA synchronous = FULL") ||
        !Execute("PRAGMA foreign_keys = ON")) {
        return false;
    }
    {
        Statement check(m_db, "PRAGMA quick_check");
        if (!check || check.Step() != SQLITE_ROW || check.String(0) != "ok") {
            m_error = check ? "it fails its integrity check" : sqlite3_errmsg(m_db);
            return false;
        }
    }
    // One program makes the schema; the others wait, then find it made.
    if (!Execute("BEGIN IMMEDIATE")) {
        return false;
    }
    auto fail = [this](std::string reason) {
        m_error = std::move(reason);
        Execute("ROLLBACK");
        return false;
    };
    Statement version(m_db, "PRAGMA user_version");
    if (!version || version.Step() != SQLITE_ROW) {
        return fail(sqlite3_errmsg(m_db));
    }
    const std::int64_t found = version.Integer(0);
    Statement tables(m_db, "SELECT name, sql FROM sqlite_master WHERE name NOT LIKE 'sqlite_%'");
    std::vector<std::pair<std::string, std::string>> objects;
    while (tables && tables.Step() == SQLITE_ROW) {
        objects.emplace_back(tables.String(0).value_or(""), tables.String(1).value_or(""));
    }
    if (found > kSchemaVersion) {
        return fail("it was written by a newer version of the program (schema " +
                    std::to_string(found) + ")");
    }
    if (found == 0) {
        if (!objects.empty()) {
            return fail("it is not a receipt journal");
        }
        const std::string create = std::string(kCopiesTable) + "; " + kCopiesIndex +
                                   "; PRAGMA user_version = " + std::to_string(kSchemaVersion);
        if (!Execute(create.c_str())) {
            return fail(m_error);
        }
        if (m_path != ":memory:") {
            const auto slash = m_path.find_last_of('/');
            if (!ImportUnsettledFile(slash == std::string::npos ? "." : m_path.substr(0, slash))) {
                return fail(m_error);
            }
        }
    } else {
        const std::vector<std::pair<std::string, std::string>> expected = {
            {"receipt_copies", kCopiesTable}, {"copies_by_register", kCopiesIndex}};
        for (const auto& object : expected) {
            if (std::find(objects.begin(), objects.end(), object) == objects.end()) {
                return fail("its table is not the receipt journal's");
            }
        }
    }
    // A folder or file that turned read-only is found now, not at the first receipt.
    return Execute("COMMIT") || fail(m_error);
}

// Closes an older version of the program kept in "unsettled-receipts": taken over once, when
// the journal is made; the file itself is left as it is.
bool ReceiptJournal::ImportUnsettledFile(const std::string& folder) {
    // A state file is a few lines. One that is no regular file (a FIFO would hold the program,
    // /dev/zero never ends) or is far larger was not written by the program: nothing to take.
    constexpr std::size_t kMaxUnsettledFileBytes = 1 << 20;
    const support::RegularFileRead file =
        support::ReadRegularFile(folder + "/unsettled-receipts", kMaxUnsettledFileBytes);
    if (!file.read) {
        return true;
    }
    std::istringstream in(file.bytes);
    Statement insert(m_db,
                     "INSERT INTO receipt_copies (sent_at, register, operator, digest, copy, "
                     "copies, number_before, decimals, outcome, answered, settled) VALUES "
                     "(?, ?, '', '', 1, 1, ?, 2, 'unknown', 0, 'imported')");
    if (!insert) {
        m_error = sqlite3_errmsg(m_db);
        return false;
    }
    std::string line;
    for (int lines = 0; lines < 10'000 && std::getline(in, line); ++lines) {
        const auto close = ReadUnsettledLine(line);
        if (!close) {
            continue;
        }
        sqlite3_reset(insert.get());
        insert.Bind(1, static_cast<std::int64_t>(std::time(nullptr)));
        insert.Bind(2, close->first);
        insert.Bind(3, static_cast<std::int64_t>(close->second));
        if (insert.Step() != SQLITE_DONE) {
            m_error = sqlite3_errmsg(m_db);
            return false;
        }
    }
    return true;
}

std::int64_t ReceiptJournal::Add(const JournalCopy& copy) {
    Statement insert(m_db,
                     "INSERT INTO receipt_copies (sent_at, register, operator, digest, copy, "
                     "copies, number_before, total, cash, decimals, outcome, number, answered, "
                     "settled) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!insert) {
        m_error = sqlite3_errmsg(m_db);
        return 0;
    }
    insert.Bind(1, copy.time > 0 ? copy.time : static_cast<std::int64_t>(std::time(nullptr)));
    insert.Bind(2, copy.serialNumber);
    insert.Bind(3, copy.operatorName);
    insert.Bind(4, copy.digest);
    insert.Bind(5, std::int64_t{copy.copy});
    insert.Bind(6, std::int64_t{copy.copies});
    insert.Bind(7, copy.numberBefore);
    insert.Bind(8, copy.total);
    insert.Bind(9, copy.cash);
    insert.Bind(10, std::int64_t{copy.moneyDecimals});
    insert.Bind(11, Text(copy.outcome));
    insert.Bind(12, copy.number);
    insert.Bind(13, std::int64_t{copy.answered ? 1 : 0});
    insert.Bind(14, Text(copy.settled));
    // One statement is its own transaction: committed, and on the disk, once it is done.
    if (insert.Step() != SQLITE_DONE) {
        m_error = sqlite3_errmsg(m_db);
        return 0;
    }
    return sqlite3_last_insert_rowid(m_db);
}

bool ReceiptJournal::Finish(std::int64_t id, const device::CloseOutcome& outcome) {
    Statement update(m_db,
                     "UPDATE receipt_copies SET outcome = ?, number = ?, answered = ?, "
                     "settled = ? WHERE id = ?");
    if (!update) {
        m_error = sqlite3_errmsg(m_db);
        return false;
    }
    update.Bind(1, Text(OutcomeOf(outcome)));
    update.Bind(2, RegisteredNumber(outcome));
    update.Bind(3, std::int64_t{outcome.answered ? 1 : 0});
    update.Bind(4, Text(SettlementOf(outcome)));
    update.Bind(5, id);
    if (update.Step() != SQLITE_DONE) {
        m_error = sqlite3_errmsg(m_db);
        return false;
    }
    return true;
}

std::optional<JournalCopy> ReceiptJournal::FindHeld(std::u16string_view serialNumber,
                                                    std::string_view digest, std::int64_t since) {
    const std::string sql = std::string("SELECT ") + kCopyColumns +
                            " FROM receipt_copies WHERE register = ? AND digest = ? AND "
                            "sent_at >= ? AND (outcome = 'unknown' OR (outcome = 'registered' "
                            "AND answered = 0)) ORDER BY id DESC";
    Statement select(m_db, sql.c_str());
    if (!select) {
        m_error = sqlite3_errmsg(m_db);
        return std::nullopt;
    }
    select.Bind(1, serialNumber);
    select.Bind(2, digest);
    select.Bind(3, since);
    while (select.Step() == SQLITE_ROW) {
        if (auto copy = ReadCopy(select)) {
            return copy;
        }
    }
    return std::nullopt;
}

JournalRows ReceiptJournal::List(std::optional<std::int64_t> since,
                                 std::u16string_view serialNumber) {
    const std::string sql = std::string("SELECT ") + kCopyColumns +
                            " FROM receipt_copies WHERE sent_at >= ? AND (? = '' OR register = "
                            "?) ORDER BY (outcome = 'unknown') DESC, sent_at DESC, id DESC";
    JournalRows rows;
    Statement select(m_db, sql.c_str());
    if (!select) {
        rows.error = m_error = sqlite3_errmsg(m_db);
        return rows;
    }
    select.Bind(1, since.value_or(0));
    select.Bind(2, serialNumber);
    select.Bind(3, serialNumber);
    int step = SQLITE_ROW;
    while ((step = select.Step()) == SQLITE_ROW) {
        if (auto copy = ReadCopy(select)) {
            rows.copies.push_back(std::move(*copy));
        } else {
            ++rows.refused;
        }
    }
    if (step != SQLITE_DONE) {
        rows.error = m_error = sqlite3_errmsg(m_db);
    }
    return rows;
}

std::vector<std::int32_t> ReceiptJournal::Unsettled(std::u16string_view serialNumber) {
    const std::string sql = std::string("SELECT ") + kCopyColumns +
                            " FROM receipt_copies WHERE register = ? AND outcome = 'unknown' "
                            "AND settled IN ('pending', 'imported') ORDER BY id";
    std::vector<std::int32_t> befores;
    Statement select(m_db, sql.c_str());
    if (!select) {
        m_error = sqlite3_errmsg(m_db);
        return befores;
    }
    select.Bind(1, serialNumber);
    while (select.Step() == SQLITE_ROW) {
        const auto copy = ReadCopy(select);
        if (copy && copy->numberBefore &&
            std::find(befores.begin(), befores.end(), *copy->numberBefore) == befores.end()) {
            befores.push_back(*copy->numberBefore);
        }
    }
    return befores;
}

void ReceiptJournal::Settle(std::u16string_view serialNumber, std::int32_t numberBefore,
                            const device::CloseOutcome& outcome) {
    Statement update(m_db,
                     "UPDATE receipt_copies SET outcome = ?, number = ?, settled = ? WHERE "
                     "register = ? AND number_before = ? AND outcome = 'unknown' AND settled "
                     "IN ('pending', 'imported')");
    if (!update) {
        m_error = sqlite3_errmsg(m_db);
        return;
    }
    const bool known = outcome.outcome == device::ReceiptOutcome::Registered ||
                       outcome.outcome == device::ReceiptOutcome::NotRegistered;
    update.Bind(1, Text(OutcomeOf(outcome)));
    update.Bind(2, RegisteredNumber(outcome));
    update.Bind(3, Text(known ? Settlement::Later : Settlement::Tape));
    update.Bind(4, serialNumber);
    update.Bind(5, std::int64_t{numberBefore});
    if (update.Step() != SQLITE_DONE) {
        m_error = sqlite3_errmsg(m_db);
    }
}

JournalOutcome OutcomeOf(const device::CloseOutcome& outcome) {
    switch (outcome.outcome) {
        case device::ReceiptOutcome::Registered:
            return JournalOutcome::Registered;
        case device::ReceiptOutcome::Unknown:
            return JournalOutcome::Unknown;
        case device::ReceiptOutcome::NotRegistered:
        case device::ReceiptOutcome::None:
            break;
    }
    return outcome.sent ? JournalOutcome::NotRegistered : JournalOutcome::Cancelled;
}

Settlement SettlementOf(const device::CloseOutcome& outcome) {
    if (outcome.outcome == device::ReceiptOutcome::Unknown) {
        return outcome.settleable ? Settlement::Pending : Settlement::Tape;
    }
    if (!outcome.sent) {
        return Settlement::NotSent;
    }
    return outcome.byCounter ? Settlement::Counter : Settlement::Answer;
}

std::string DefaultJournalPath() {
    std::string dir;
    if (const char* state = std::getenv("ORVIK_STATE_DIR"); state && *state) {
        dir = state;
    } else if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg) {
        dir = std::string(xdg) + "/orvik";
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        dir = std::string(home) + "/.local/state/orvik";
    } else if (const passwd* pw = ::getpwuid(::getuid())) {
        dir = std::string(pw->pw_dir) + "/.local/state/orvik";
    } else {
        return {};
    }
    return dir + "/journal.sqlite3";
}

}  // namespace orvik::console
