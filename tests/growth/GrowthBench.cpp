// Times every rule on every growth text at the sizes given (in megabytes; default 1 4 16) and
// prints the slowest texts in seconds per megabyte at each size, and how the slowest grow.
//   growth_bench [MEGABYTES...]
#include "tests/growth/GrowthTexts.h"
#include "tests/growth/RuleTimer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace quarvel::testing;

int main(int argc, char** argv) {
    std::vector<double> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atof(argv[i]));
    if (sizes.empty())
        sizes = {1, 4, 16};
    const std::vector<GrowthText> texts = growthTexts();
    // perMegabyte[t][s]: seconds per megabyte of text t at size s.
    std::vector<std::vector<double>> perMegabyte(texts.size());
    for (std::size_t t = 0; t < texts.size(); ++t) {
        for (const double megabytes : sizes) {
            const auto bytes = static_cast<std::size_t>(megabytes * (1 << 20));
            perMegabyte[t].push_back(ruleSeconds(texts[t], bytes) / megabytes);
        }
    }
    std::printf("%zu texts\n", texts.size());
    for (std::size_t s = 0; s < sizes.size(); ++s) {
        std::vector<std::size_t> order(texts.size());
        for (std::size_t t = 0; t < order.size(); ++t)
            order[t] = t;
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return perMegabyte[a][s] > perMegabyte[b][s];
        });
        std::printf("\nslowest at %g MB (s/MB):\n", sizes[s]);
        for (std::size_t k = 0; k < 5 && k < order.size(); ++k) {
            const std::size_t t = order[k];
            std::printf("  %.4f  rule %d  %s", perMegabyte[t][s], texts[t].rule,
                        texts[t].name.c_str());
            std::printf("   (");
            for (std::size_t z = 0; z < sizes.size(); ++z)
                std::printf("%s%g MB: %.4f", z ? ", " : "", sizes[z], perMegabyte[t][z]);
            std::printf(")\n");
        }
    }
    double worstGrowth = 0;
    std::size_t worst = 0;
    for (std::size_t t = 0; t < texts.size(); ++t) {
        if (perMegabyte[t].back() * sizes.back() < 0.01)
            continue; // too fast to judge
        const double growth = perMegabyte[t].back() / std::max(perMegabyte[t].front(), 1e-9);
        if (growth > worstGrowth) {
            worstGrowth = growth;
            worst = t;
        }
    }
    std::printf("\nlargest growth of s/MB from %g to %g MB: %.2f (rule %d %s)\n", sizes.front(),
                sizes.back(), worstGrowth, texts[worst].rule, texts[worst].name.c_str());
    return 0;
}
