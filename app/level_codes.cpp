// The level code table and its lookup. Game thread.
#include "app/level_codes.h"

#include "world/number_reader.h"

namespace app {

namespace {

// Mixed case, all different even ignoring case; level 30's alone is all lower case.
constexpr std::array<std::string_view, LevelCodeCount> FixedCodes = {
    "NiGipI", "MUDeFa", "tuPOka", "SARaNu", "fuhAmi", "kIpUSa", "LaTiGA", "nARISA", "sUdIno",
    "mIKOZe", "RIjoTa", "kutowA", "bAWiCO", "loCEfA", "VIpipe", "virAKo", "VopIzU", "buSAMo",
    "MarOwu", "vUFutU", "WunEHO", "kOgema", "TAVaFE", "ZoFeHE", "DEZIGu", "COzeti", "RUtiSi",
    "ZUBuSa", "TecIku", "kubibe", "COCuni", "CUSOva", "cAgIju", "dIcori", "PoVEHI", "ViLumo",
    "MiGemE", "NilesO", "JeLEwi", "madawI", "KiWeLU", "VIlIka", "GADIbi", "zEBiwa", "cUsiha",
    "HaSube", "NiFabU", "miriFI", "buHiPe", "fODODU"};

constexpr double FirstTypedLevel = 50;  // typed numbers below this start level 1

}  // namespace

LevelCodeTable::LevelCodeTable() {
    for (std::size_t i = 0; i < Codes.size(); ++i) Codes[i] = FixedCodes[i];
}

std::string_view LevelCodeTable::Code(std::int32_t level) const {
    if (level < 1 || level > LevelCodeCount) return {};
    return Codes[static_cast<std::size_t>(level) - 1];
}

std::int32_t LookUpLevelCode(const LevelCodeTable& table, std::string_view text) {
    for (std::int32_t level = 1; level <= LevelCodeCount; ++level) {
        if (text == table.Code(level)) return level;
    }
    const double value = world::ReadNumber(text);
    if (value >= FirstTypedLevel) return world::RoundToInt32(value).value_or(1);
    return 1;
}

}  // namespace app
