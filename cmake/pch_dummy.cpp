// The translation unit the shared precompiled headers are built with.
