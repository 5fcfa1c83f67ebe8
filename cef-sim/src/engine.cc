#include "src/engine.h"

namespace cefsim {

// Deliberately never destroyed: releasing client objects from a static destructor at
// process exit would run client code after its own libraries (and the JVM) are gone.

std::mutex& EngineMutex() {
  static std::mutex* mutex = new std::mutex();
  return *mutex;
}

EngineState& State() {
  static EngineState* state = new EngineState();
  return *state;
}

UiTaskQueue& UiQueue() {
  static UiTaskQueue* queue = new UiTaskQueue();
  return *queue;
}

}  // namespace cefsim
