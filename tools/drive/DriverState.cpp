// The driver's "state" command: the main window's state fields as JSON.
#include <array>
#include <functional>
#include <map>

#include "Driver.h"
#include "Json.h"

namespace zephrane::drive {
namespace {

std::string Texts(const std::array<std::string, kMaxBases>& values) {
    return Json::TextArray(std::vector<std::string>(values.begin(), values.end()));
}

std::string FlotillaJson(const FlotillaRec& f) {
    Json j;
    j.Text("sMenuCode", f.sMenuCode)
        .Text("sKeyIndex", f.sKeyIndex)
        .Text("sNbBases", f.sNbBases)
        .Raw("sBase", Texts(f.sBase))
        .Raw("sDateFrom", Texts(f.sDateFrom))
        .Raw("sMonthFrom", Texts(f.sMonthFrom))
        .Raw("sDateTo", Texts(f.sDateTo))
        .Raw("sMonthTo", Texts(f.sMonthTo));
    return j.Str();
}

std::string BaseJson(const BaseRec& b) {
    Json j;
    j.Text("sCode", b.sCode)
        .Text("sName", b.sName)
        .Text("sLong", b.sLong)
        .Text("sLat", b.sLat)
        .Text("sHeading", b.sHeading);
    return j.Str();
}

template <typename T, typename F>
std::string ArrayOf(const std::vector<T>& items, F toJson) {
    std::vector<std::string> out;
    for (const auto& item : items) out.push_back(toJson(item));
    return Json::Array(out);
}

}  // namespace

void Driver::State(const std::string& name) {
    const MainState& s = window_.State();
    const std::map<std::string, std::function<std::string()>> fields = {
        {"sGamePath", [&] { return Json::QuoteCp1252(s.sGamePath); }},
        {"sCommanderPath", [&] { return Json::QuoteCp1252(s.sCommanderPath); }},
        {"sCareersPath", [&] { return Json::QuoteCp1252(s.sCareersPath); }},
        {"sLocationCode", [&] { return Json::TextArray(s.sLocationCode); }},
        {"sDestinationCode", [&] { return Json::TextArray(s.sDestinationCode); }},
        {"sUBoatType",
         [&] {
             return ArrayOf(s.sUBoatType, [](const auto& row) { return Json::TextArray({row[0], row[1]}); });
         }},
        {"bSameLocation", [&] { return std::string(s.bSameLocation ? "true" : "false"); }},
        {"sRenown", [&] { return Json::QuoteCp1252(s.sRenown); }},
        {"s33Flotilla", [&] { return Json::QuoteCp1252(s.s33Flotilla); }},
        {"lChecked", [&] { return std::to_string(s.lChecked); }},
        {"lFound", [&] { return std::to_string(s.lFound); }},
        {"lProcessed", [&] { return std::to_string(s.lProcessed); }},
        {"FlotillaTable", [&] { return ArrayOf(s.FlotillaTable, FlotillaJson); }},
        {"BaseTable", [&] { return ArrayOf(s.BaseTable, BaseJson); }},
    };
    const auto it = fields.find(name);
    if (it == fields.end()) return PrintError("unknown state: " + name);
    Print(Json().Utf8("state", name).Raw("value", it->second()).Str());
}

}  // namespace zephrane::drive
