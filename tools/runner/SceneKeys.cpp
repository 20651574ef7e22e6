#include "SceneKeys.h"

#include "RunnerOptions.h"

#include <algorithm>

namespace {

void addKey(std::vector<std::string>& keys, std::string name) {
    if (name == "RIGT") name = "RIGHT";  // so the first-person help text spells it
    if (virtualKeyFromName(name) == 0) return;
    if (std::find(keys.begin(), keys.end(), name) == keys.end()) keys.push_back(name);
}

// "1-4": every key from the first to the last; "W/E": each; else one name.
void addKeysOf(std::vector<std::string>& keys, const std::string& inside) {
    if (inside.size() == 3 && inside[1] == '-') {
        for (char c = inside[0]; c <= inside[2]; ++c) addKey(keys, std::string(1, c));
        return;
    }
    std::size_t start = 0;
    while (start <= inside.size()) {
        const std::size_t slash = std::min(inside.find('/', start), inside.size());
        addKey(keys, inside.substr(start, slash - start));
        start = slash + 1;
    }
}

}  // namespace

std::vector<std::string> keysNamedInHelp(const std::string& helpText) {
    std::vector<std::string> keys;
    for (std::size_t open = helpText.find('('); open != std::string::npos; open = helpText.find('(', open + 1)) {
        const std::size_t close = helpText.find(')', open);
        if (close == std::string::npos) break;
        addKeysOf(keys, helpText.substr(open + 1, close - open - 1));
    }
    return keys;
}
