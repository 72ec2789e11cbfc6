#pragma once

// Characters and the tokens each register's chart gives for them: shared by the core's tests and
// the end-to-end tests of the command-line converter.
#include "catalogue.h"

#include <stdexcept>
#include <string_view>
#include <vector>

namespace pelmark::test {

inline const ModelEntry &model(std::u16string_view command)
{
    const ModelEntry *entry = findModel(command);
    if (!entry)
        throw std::invalid_argument("no such model");
    return *entry;
}

struct TokenCase {
    const char *what;
    std::vector<std::u16string_view> models;
    std::u16string_view input;
    std::u16string_view expected;
};

inline const std::vector<std::u16string_view> kWin1251Models = {
    u"mnuAMC100k", u"mnuAMC100Fv17", u"mnuAMCmin100K", u"mnuShtrihmK", u"mnuWab04RK",
    u"mnuAMC200F", u"mnuAMC100MK",   u"mnuAstra200F",  u"mnuMerquryK"};
inline const std::vector<std::u16string_view> kWithAt = {u"mnuAMC100k", u"mnuAMC100Fv17", u"mnuAMCmin100K",
                                                         u"mnuShtrihmK", u"mnuWab04RK"};
inline const std::vector<std::u16string_view> kNoAt = {u"mnuAMC200F", u"mnuAMC100MK", u"mnuAstra200F",
                                                       u"mnuMerquryK"};
inline const std::vector<std::u16string_view> kMicro = {u"mnuMicro103104K", u"mnuMicro103105F"};
inline const std::vector<std::u16string_view> kAstra = {u"mnuAstra100F", u"mnuAstra10001K", u"mnuElvesmK"};
inline const std::vector<std::u16string_view> kLowBlock = {u"mnuAstra100F", u"mnuAstra10001K", u"mnuElvesmK",
                                                           u"mnuMinica1102K1"};
inline const std::vector<std::u16string_view> kEkr2102 = {u"mnuEKR2102", u"mnuMinica1101", u"mnuOrion100k"};
inline const std::vector<std::u16string_view> kLadoga = {u"mnuLadogaFK", u"mnuMerquryF"};

// The Cyrillic С of the Oka PK tokens is spelled \u0421 so it cannot be confused with Latin C.
inline const std::vector<TokenCase> kTokenCases = {
    // Windows-1251 charts
    {"case counts", kWin1251Models, u"АаAa", u"192_224_065_097_"},
    {"numero sign has no rule", kWin1251Models, u"Касса №1", u"202_224_241_241_224_032_rus?_049_"},
    {"yo has no rule", kWin1251Models, u"Ёлка", u"rus?_235_234_224_"},
    {"at sign coded", kWithAt, u"@", u"064_"},
    {"at sign missing", kNoAt, u"@", u"rus?_"},
    {"braces, bar, tilde, tab", kWin1251Models, u"{|}~\t", u"rus?_rus?_rus?_rus?_rus?_"},
    {"grave and z", kWin1251Models, u"`z", u"096_122_"},
    {"space and digits", kWin1251Models, u" 1я", u"032_049_255_"},
    // seven-bit charts
    {"KOI8 order", {u"mnuAMC100F"}, u"КАССА 1", u"107_097_115_115_097_032_049_"},
    {"alphabetical order", kMicro, u"КАССА 1", u"106_096_113_113_096_032_049_"},
    {"small letters upper-cased", {u"mnuAMC100F"}, u"абвz", u"097_098_119_090_"},
    {"small letters upper-cased", kMicro, u"абвz", u"096_097_098_090_"},
    {"Ю shares grave's code", {u"mnuAMC100F"}, u"Ю`ЪЯ", u"096_096_127_113_"},
    {"no grave", kMicro, u"Ю`Я", u"126_rus?_127_"},
    {"unmapped signs", {u"mnuAMC100F", u"mnuMicro103104K"}, u"Ёё,№", u"rus?_rus?_rus?_rus?_"},
    // low-block charts
    {"no leading zeros", kLowBlock, u"КАССА 1", u"10_0_17_17_0_32_49_"},
    {"letters from zero", kLowBlock, u"АЙЯ", u"0_9_31_"},
    {"numero in dollar's place", kLowBlock, u"№5", u"36_53_"},
    {"dollar at the end", kAstra, u"$", u"92_"},
    {"beyond the question mark", {u"mnuMinica1102K1"}, u"$z@", u"rus?_rus?_rus?_"},
    {"Latin and at", kAstra, u"z@", u"90_64_"},
    {"unmapped signs", kLowBlock, u"Ёё[", u"rus?_rus?_rus?_"},
    // compact charts
    {"two digits, digits alone", kEkr2102, u"КАССА 1", u"10_00_17_17_00_33_1_"},
    {"ASCII less 31", {u"mnuEKR3102"}, u"КАССА 1", u"72_62_79_79_62_01_18_"},
    {"zero and А differ", kEkr2102, u"0А", u"0_00_"},
    {"zero and А", {u"mnuEKR3102"}, u"0А", u"17_62_"},
    {"only Latin N", kEkr2102, u"nb", u"32_rus?_"},
    {"every Latin letter", {u"mnuEKR3102"}, u"nb", u"47_35_"},
    {"slash", kEkr2102, u"Ф/К", u"20_43_10_"},
    {"slash", {u"mnuEKR3102"}, u"Ф/К", u"82_16_72_"},
    {"percent and apostrophe", kEkr2102, u"%'", u"rus?_rus?_"},
    {"percent and apostrophe", {u"mnuEKR3102"}, u"%'\\", u"06_08_61_"},
    {"unmapped signs", {u"mnuEKR2102", u"mnuEKR3102"}, u"Ёё№]", u"rus?_rus?_rus?_rus?_"},
    // high-block chart
    {"code page 866 capitals", kLadoga, u"КАССА 1", u"138_128_145_145_128_32_49_"},
    {"circumflex", kLadoga, u"^", u"255_"},
    {"signs and Latin", kLadoga, u"-/;?Aa", u"rus?_rus?_rus?_rus?_rus?_rus?_"},
    {"unmapped letters", kLadoga, u"Ёё№", u"rus?_rus?_rus?_"},
    // Oka charts
    {"small letters", {u"mnuOka102K"}, u"аz", u"01_66_"},
    {"small letters", {u"mnuOKAPK"}, u"аn", u"\u04211/7_\u04212/4L"},
    {"look-alikes", {u"mnuOka102K"}, u"АA", u"01_41_"},
    {"look-alikes", {u"mnuOKAPK"}, u"НNA", u"\u04212/4_\u04212/4Lrus?_"},
    {"zero after nine", {u"mnuOka102K"}, u"10", u"71_80_"},
    {"first letters", {u"mnuOka102K"}, u"АБЯ", u"01_02_32_"},
    {"first letters", {u"mnuOKAPK"}, u"АБЯ", u"\u04211/7_\u04212/7_\u04214/2_"},
    {"token ending in L", {u"mnuOKAPK"}, u"+А", u"\u04211/3L\u04211/7_"},
    {"Latin C tokens", {u"mnuOKAPK"}, u" @*=:", u"00_C3/00_C2/0_C4/3LC1/00_"},
    {"yo", {u"mnuOka102K", u"mnuOKAPK"}, u"Ёё", u"rus?_rus?_"},
    {"comma", {u"mnuOka102K"}, u",", u"35_"},
    {"comma", {u"mnuOKAPK"}, u",", u"rus?_"},
    // Samsung charts
    {"spelled hex digits", {u"mnuSamsung250"}, u"кjЙК", u"8 отд1_4 ОТД1_89_8 отд1_"},
    {"shared letter codes", {u"mnuSamsung4615"}, u"аaЩZЯ", u"065_065_090_090_006_"},
    {"equals and at", {u"mnuSamsung250"}, u"=F@", u"46_46_64_"},
    {"hard sign lower, J upper", {u"mnuSamsung250"}, u"ЪJ", u"9 отд1_4 ОТД1_"},
    {"signs", {u"mnuSamsung250"}, u" -+.*_%", u"20_2 отд4_2 отд2_2 отд5_2 отд1_5 ОТД6_rus?_"},
    {"signs", {u"mnuSamsung4615"}, u"_%", u"rus?_037_"},
    {"unmapped", {u"mnuSamsung250", u"mnuSamsung4615"}, u"Ёё,", u"rus?_rus?_rus?_"},
};

} // namespace pelmark::test
