// SPDX-License-Identifier: GPL-3.0-or-later
// Times NewModel, DecodeImage and EncodeImage per call.
#include "decoder.h"
#include "encoder.h"
#include "model.h"

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

double MicrosPerCall(int calls, const std::function<void()>& work)
{
    work();  // warm up
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i)
        work();
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / calls;
}

}  // namespace

int main()
{
    using namespace quorlink;
    constexpr int kCalls = 20000;
    Model model;
    model.ModelNumber = 1;
    std::printf("NewModel     %8.2f us per call\n", MicrosPerCall(kCalls, [&] { NewModel(model); }));
    std::printf("DecodeImage  %8.2f us per call\n", MicrosPerCall(kCalls, [&] { DecodeImage(model); }));
    std::printf("EncodeImage  %8.2f us per call\n", MicrosPerCall(kCalls, [&] { EncodeImage(model); }));
    return 0;
}
