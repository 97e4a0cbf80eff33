#include "frame/run_program.hpp"

#include "runtime/application.hpp"
#include "runtime/events.hpp"
#include "runtime/runtime_error.hpp"

namespace frame {

int run_program(int& argc, char** argv, const std::string& program_name, const Program& program) {
  rt::Application app(argc, argv, program_name);
  MainModule main(program.table);
  try {
    main.register_procedures();
    if (program.install) program.install(main);
    main.main_form = rt::Form::load("MAINFORM");
    main.main_program();
  } catch (const rt::ProgramEnd& end) {
    rt::clear_events();
    return end.exit_code;
  } catch (const rt::RuntimeError& error) {
    rt::clear_events();
    rt::report_runtime_error(error);
    return 1;
  }
}

}  // namespace frame
