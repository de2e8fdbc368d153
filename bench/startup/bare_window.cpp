// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline for the start-up ratio: a bare SDL2 window of the size given
// on its command line (the size the program's own window had) that clears
// and presents once, then prints the moment of that first present exactly as
// the program does under QUINTARO_FIRST_PRESENT.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
  const int width = argc > 2 ? std::atoi(argv[1]) : 602;
  const int height = argc > 2 ? std::atoi(argv[2]) : 401;
  if (width <= 0 || height <= 0 || SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "bare window: %s\n", width <= 0 || height <= 0 ? "bad size" : SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, 0);
  SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
  if (!renderer) {
    std::fprintf(stderr, "bare window: %s\n", SDL_GetError());
    return 1;
  }
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_RenderPresent(renderer);
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("first-present %lld %d %d\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, width,
              height);
  std::fflush(stdout);
  SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
