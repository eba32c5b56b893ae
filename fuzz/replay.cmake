# The fuzz targets in the main build, without libFuzzer: each is linked with a small main that
# feeds it every input of its corpus, and replays it as a test (label "fuzz"), so that a change
# that breaks a property the fuzzers once checked fails at once.
include(${CMAKE_CURRENT_LIST_DIR}/targets.cmake)

foreach(target IN LISTS velmora_fuzz_targets)
    set(replay ${target}_replay)
    add_executable(${replay} ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp
                             ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp)
    target_link_libraries(${replay} PRIVATE ${velmora_fuzz_layer_${target}})
    # Plain C++: nothing for Qt's code generators.
    set_target_properties(${replay} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    add_test(NAME ${replay} COMMAND ${replay} ${CMAKE_CURRENT_LIST_DIR}/corpus/${target})
    set_tests_properties(${replay} PROPERTIES LABELS fuzz ENVIRONMENT LC_ALL=C.UTF-8)
endforeach()
