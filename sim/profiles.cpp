#include "sim/profiles.h"

#include "support/text_codec.h"

namespace orvik::sim {

namespace {

TaxRate Tax(std::u16string date, char16_t kind, std::u16string rate, std::u16string name) {
    return TaxRate{std::move(date), kind, std::move(rate), std::move(name)};
}

// What every simulated register shares: the owner, the currency, a tax table and counters.
// Each profile then sets what makes it that register.
RegisterState CommonState() {
    RegisterState state;
    state.identity.fiscalNumber = u"3100123456";
    state.identity.ownerLine1 = u"ООО \"Ромашка\"";
    state.identity.ownerLine2 = u"Киев, Садовая 1";
    state.header = u"Магазин Ромашка";
    state.footer = u"Спасибо за покупку";
    state.currency = Currency{u"19960902", 2, u"ГРН"};
    state.taxes[0] = Tax(u"20110101", u'0', u"2000", u"ПДВ 20%");
    state.taxes[1] = Tax(u"20110101", u'0', u"0000", u"ПДВ 0%");
    state.taxes[2] = Tax(u"20150301", u'1', u"0500", u"Акциз 5%");
    state.taxes[3] = Tax(u"20090615", u'2', u"3000", u"Налог на выигрыш");
    // Slots 5 to 8 are not programmed.
    state.configCounters = {1, 0, 20, 2000};
    state.counters = RegisterCounters{1234, 1300, 12, 0, false, 41};
    return state;
}

RegisterProfile Profile(std::string name, int family, int model, std::u16string serial,
                        Software software) {
    RegisterProfile profile{std::move(name), CommonState()};
    RegisterIdentity& id = profile.state.identity;
    id.family = family;
    id.model = model;
    id.serialNumber = std::move(serial);
    id.software = std::move(software);
    return profile;
}

std::vector<RegisterProfile> MakeProfiles() {
    std::vector<RegisterProfile> profiles;

    // Family 0: model code 040 to 042, and 440 or 441. These older registers tag their
    // configuration "CONF", keep no tax names and print receipts of 18 characters.
    profiles.push_back(Profile("f0m0", 0, 0, u"0400012345", {u"EP01", u"20010315"}));
    profiles.back().state.identity.configTag = u"CONF";
    profiles.back().state.configCounters = {1, 0, 18, 500};
    profiles.push_back(Profile("f0m1", 0, 1, u"4410003456", {u"EP02", u"20030620"}));
    profiles.back().state.identity.configTag = u"CONF";
    profiles.back().state.counters.zReportMade = true;

    // Family 1 by model code and software.
    profiles.push_back(Profile("f1m2", 1, 2, u"4500004567", {u"vTTs", u"20040210"}));
    profiles.push_back(Profile("f1m3", 1, 3, u"5000005678", {u"NFPR", u"20040905"}));
    profiles.push_back(Profile("f1m4", 1, 4, u"5100006789", {u"UMTM", u"20041015"}));

    // Model 6 with updated software: the configuration names the original software first and
    // the present one at its end.
    profiles.push_back(Profile("f1m6", 1, 6, u"5000007890", {u"NFPR", u"20050412"}));
    profiles.back().state.identity.softwareUpdate = Software{u"NFCP", u"20060927"};
    profiles.back().state.counters.articleMode = 2;

    // Model 7: a serial number that begins with letters (the model code follows them).
    profiles.push_back(Profile("f1m7", 1, 7, u"ЕК52000123", {u"IMTM", u"20041122"}));

    profiles.push_back(Profile("f1m8", 1, 8, u"6000008901", {u"MTMT", u"20080520"}));
    profiles.back().state.deviceOptions = u"1100";
    profiles.back().state.configCounters = {12, 3, 150, 9000};

    // A register the table does not name.
    profiles.push_back(Profile("unknown", 1, 4, u"9990009012", {u"ABCD", u"20100101"}));
    return profiles;
}

}  // namespace

const std::vector<RegisterProfile>& RegisterProfiles() {
    static const std::vector<RegisterProfile> kProfiles = MakeProfiles();
    return kProfiles;
}

const RegisterProfile* FindProfile(std::string_view name) {
    for (const RegisterProfile& profile : RegisterProfiles()) {
        if (profile.name == name) {
            return &profile;
        }
    }
    return nullptr;
}

std::string DescribeProfile(const RegisterProfile& profile) {
    const RegisterIdentity& id = profile.state.identity;
    const Software& software = id.softwareUpdate ? *id.softwareUpdate : id.software;
    const std::string date = support::ToUtf8(software.date);
    std::string line = profile.name;
    line.resize(9, ' ');
    line += "family " + std::to_string(id.family) + " model " + std::to_string(id.model);
    line += "  serial " + support::ToUtf8(id.serialNumber);
    line += "  software " + support::ToUtf8(software.name) + " " + date.substr(0, 4) + "-" +
            date.substr(4, 2) + "-" + date.substr(6, 2);
    return line;
}

}  // namespace orvik::sim
