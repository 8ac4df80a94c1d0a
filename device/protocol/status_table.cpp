#include "device/protocol/status_table.h"

#include <iterator>

namespace orvik::device {

namespace {

constexpr StatusToken kTable[] = {
    {u"SOFTBLOCK", 2000, true},  {u"SOFTNREP", 2001, true},   {u"SOFTSYSLOCK", 2002, true},
    {u"SOFTCOMMAN", 2003, true}, {u"SOFTPROTOC", 2004, true}, {u"SOFTZREPOR", 2005, true},
    {u"SOFTFMFULL", 2006, true}, {u"SOFTTIMER", 2007, true},  {u"SOFTPARAM", 2008, true},
    {u"SOFTUPAS", 2009, true},   {u"SOFTCHECK", 2010, true},  {u"SOFTFACT", 2011, true},
    {u"SOFTSLWORK", 2012, true}, {u"SOFTSLPROG", 2013, true}, {u"SOFTSLZREP", 2014, true},
    {u"SOFTSLNREP", 2015, true}, {u"SOFTREGIST", 0, false},   {u"SOFTREPL", 0, false},
    {u"SOFTMONEY", 2018, true},  {u"SOFTOVER", 2019, true},   {u"HARDPAPER", 2020, true},
    {u"HARDSENSOR", 2021, true}, {u"HARDPOINT", 2022, true},  {u"HARDTXD", 2023, true},
    {u"HARDTIMER", 2024, true},  {u"HARDMEMORY", 2025, true}, {u"HARDLCD", 2039, true},
    {u"SHUTDOWN", 2040, true},   {u"SOFTNEED", 2026, true},   {u"SOFTACTIVE", 2027, true},
    {u"SOFTFMTEST", 2028, true}, {u"SOFTOPTEST", 2029, true}, {u"SOFT24HOUR", 2030, true},
    {u"SOFTDIFART", 2031, true}, {u"SOFTBADART", 2032, true}, {u"SOFTCOPY", 2033, true},
    {u"SOFTOVART", 2034, true},  {u"SOFTOVTRK", 2035, true},  {u"SOFTBADDISC", 2036, true},
    {u"SOFFPOSNO", 2037, true},  {u"SOFTBADCS", 2041, true},  {u"SOFTARTMODE", 2042, true},
    {u"SOFTPAPER", 0, false},
};

}  // namespace

std::span<const StatusToken> StatusTable() {
    return kTable;
}

const StatusToken* MatchStatus(std::u16string_view reply) {
    for (const StatusToken& row : kTable) {
        if (Contains(reply, row.token)) {
            return &row;
        }
    }
    return nullptr;
}

bool HasStatusWord(std::u16string_view reply) {
    return Contains(reply, u"SOFT") || Contains(reply, u"HARD") || Contains(reply, u"SHUTDOWN");
}

}  // namespace orvik::device
