// Keeps the reference library non-empty before any operation brings its reference.
