/* The PNG and Ogg Vorbis decoders of Debian's libstb-dev, compiled once into this library:
 * PNG only, from memory only, and no picture wider or higher than the readers take. */
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 4096
#include <stb_image.h>

#define STB_VORBIS_NO_PUSHDATA_API
#include <stb_vorbis.h>
