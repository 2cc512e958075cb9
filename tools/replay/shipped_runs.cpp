// The recorded runs of the shipped levels; see shipped_runs.h.
#include "tools/replay/shipped_runs.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace replay {

namespace {

std::optional<Script> ReadScript(const std::filesystem::path& path) {
    std::ifstream in(path);
    if (!in) return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return ParseScript(text.str());
}

std::string Number(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

}  // namespace

std::optional<Script> CampaignScript(const std::filesystem::path& solutions, int last,
                                     std::string& missing) {
    Script campaign;
    campaign.Level = 1;
    for (int n = 1; n <= last; ++n) {
        const auto script = ReadScript(solutions / ("Level" + std::to_string(n) + ".txt"));
        if (!script) {
            missing.append(" ").append(std::to_string(n));
            continue;
        }
        if (n > 1) {
            Command next;
            next.What = Command::Kind::NextLevel;
            campaign.Commands.push_back(next);
        }
        campaign.Commands.insert(campaign.Commands.end(), script->Commands.begin(),
                                 script->Commands.end());
    }
    if (!missing.empty()) return std::nullopt;
    return campaign;
}

std::vector<NamedRun> ShippedRuns(const std::filesystem::path& solutions, int last) {
    std::vector<NamedRun> runs;
    for (int n = 1; n <= last + 1; ++n) {
        const auto script = ReadScript(solutions / ("Level" + std::to_string(n) + ".txt"));
        if (!script) continue;
        for (const RunOptions& trial : StandardTrials()) {
            runs.push_back({"Level" + std::to_string(n) + "/seed" + Number(*trial.Seed) + "/phase" +
                                std::to_string(trial.Phase),
                            *script, trial});
        }
    }
    std::string missing;
    if (const auto campaign = CampaignScript(solutions, last, missing)) {
        for (const double seed : {1.0, 4.0}) {
            RunOptions options;
            options.Seed = seed;
            runs.push_back({"campaign/seed" + Number(seed), *campaign, options});
        }
    }
    return runs;
}

}  // namespace replay
