# Shift-JIS conversion (glibc iconv) for runtime_core: included by
# runtime/CMakeLists.txt after runtime_core is defined.
target_sources(runtime_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/cp932.cpp)
