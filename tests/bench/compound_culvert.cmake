# compound_culvert_bench: time per call of CALC (quorvel, mestra) and of the
# pipe solvers (palwick OJ and OS, soberin OJ) on the programs' default
# inputs. Included by tests/bench/CMakeLists.txt.
add_executable(compound_culvert_bench ${CMAKE_CURRENT_LIST_DIR}/pipe_compound_bench.cpp)
target_link_libraries(compound_culvert_bench PRIVATE compound_solvers culvert_solvers benchmark::benchmark_main)
