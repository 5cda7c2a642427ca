// Placeholder: the real file system arrives with the platform layer.
