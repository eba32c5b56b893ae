# Every fuzz target, named by its source fuzz/<target>.cpp, with the one layer of the core it
# links. fuzz/CMakeLists.txt builds them for libFuzzer; fuzz/replay.cmake builds them into the
# main build, where each replays its corpus as a test. Each target's longest input stands in
# fuzz/<target>.options.
set(velmora_fuzz_targets fuzz_numbers fuzz_equation fuzz_system fuzz_conversation fuzz_typing
    fuzz_working fuzz_answer)
set(velmora_fuzz_layer_fuzz_numbers velmora_numbers)
set(velmora_fuzz_layer_fuzz_equation velmora_solving)
set(velmora_fuzz_layer_fuzz_system velmora_solving)
set(velmora_fuzz_layer_fuzz_conversation velmora_conversation)
set(velmora_fuzz_layer_fuzz_typing velmora_typing)
set(velmora_fuzz_layer_fuzz_working velmora_working)
set(velmora_fuzz_layer_fuzz_answer velmora_practice)
