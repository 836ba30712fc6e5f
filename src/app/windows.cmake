# The two window programs: one source, one format profile each, chosen when
# the program is built.
find_package(Qt6 6.2 REQUIRED COMPONENTS Widgets)

foreach(program kestra_std kestra_ue)
  add_executable(${program} main_window_program.cpp)
  target_link_libraries(${program} PRIVATE kestra_ui)
  install(TARGETS ${program} RUNTIME DESTINATION bin)
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/${program}.desktop DESTINATION share/applications)
endforeach()
target_compile_definitions(kestra_ue PRIVATE KESTRA_PROFILE_B)
