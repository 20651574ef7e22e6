#include "kestrova/UnitCircle.h"

#include <cmath>
#include <numbers>
#include <unordered_map>

const std::vector<CosSin>& unitCircle(int n) {
    static std::unordered_map<int, std::vector<CosSin>> tables;
    std::vector<CosSin>& table = tables[n];
    if (table.empty()) {
        table.reserve(static_cast<std::size_t>(n) + 1);
        for (int i = 0; i <= n; ++i) {
            const double a = 2.0 * std::numbers::pi * i / n;
            table.push_back({std::cos(a), std::sin(a)});
        }
    }
    return table;
}
