// The yardstick: the least an SDL2 program does to put one 655 x 405 frame on
// screen (window surface, one fill, one update) and quit, with the same
// framebuffer hint as the game.
#include <SDL.h>

#include <cstdio>

int main() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "startup_bare_sdl: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window =
        SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 655, 405, 0);
    SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!surface) {
        std::fprintf(stderr, "startup_bare_sdl: %s\n", SDL_GetError());
        return 1;
    }
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 55, 59, 51));
    SDL_UpdateWindowSurface(window);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
