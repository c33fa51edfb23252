// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_support.h"

#include <cstdio>
#include <map>

namespace quorlink::fuzz {

void Broken(const char* promise, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: broken promise: %s\n", file, line, promise);
    std::fflush(stderr);
    __builtin_trap();
}

const Model& FreshModel(int modelNumber)
{
    static std::map<int, Model> models;
    auto found = models.find(modelNumber);
    if (found == models.end()) {
        Model model;
        model.ModelNumber = modelNumber;
        FUZZ_CHECK(!NewModel(model));
        found = models.emplace(modelNumber, std::move(model)).first;
    }
    return found->second;
}

bool SameRecords(const Model& a, const Model& b)
{
    return a.Settings == b.Settings && a.Special.values == b.Special.values &&
           a.UsaChannels == b.UsaChannels && a.IntChannels == b.IntChannels &&
           a.CanChannels == b.CanChannels && a.WxChannels == b.WxChannels &&
           a.ExpChannels == b.ExpChannels && a.IndividualDirectory == b.IndividualDirectory &&
           a.GroupDirectory == b.GroupDirectory;
}

}  // namespace quorlink::fuzz
