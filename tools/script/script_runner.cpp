#include "tools/script/script_runner.h"

#include <istream>
#include <ostream>

#include "tools/script/script_session.h"

namespace qorza::script {

int runScript(std::istream& in, std::ostream& out, std::ostream& err,
              const std::string& soundFolder) {
  ScriptSession session(out, soundFolder);
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    try {
      session.execute(ScriptLine(text));
    } catch (const ScriptError& e) {
      err << "qorza-play: line " << number << ": " << e.what() << '\n';
      return 2;
    } catch (const std::exception& e) {
      err << "qorza-play: line " << number << ": the game failed: " << e.what() << '\n';
      return 1;
    }
  }
  out.flush();
  return 0;
}

}  // namespace qorza::script
