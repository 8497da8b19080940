#include "app/startup.h"

int main() { return Startup::MainRoutine(); }
