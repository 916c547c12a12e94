// events.h -- SDL events made by hand, as the frame loop, the menu and the games receive them
#pragma once

#include <SDL/SDL.h>

// An event of the type with nothing else set.
inline SDL_Event plainEvent(Uint8 type)
{
    SDL_Event event{};
    event.type = type;
    return event;
}

inline SDL_Event keyEvent(Uint8 type, SDLKey sym)
{
    SDL_Event event = plainEvent(type);
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    return event;
}

inline SDL_Event motionEvent(int x, int y)
{
    SDL_Event event = plainEvent(SDL_MOUSEMOTION);
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

// A press (or with SDL_MOUSEBUTTONUP, a release) of the button at (x, y).
inline SDL_Event buttonEvent(Uint8 type = SDL_MOUSEBUTTONDOWN, int x = 0, int y = 0, int button = SDL_BUTTON_LEFT)
{
    SDL_Event event = plainEvent(type);
    event.button.type = type;
    event.button.button = static_cast<Uint8>(button);
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return event;
}
