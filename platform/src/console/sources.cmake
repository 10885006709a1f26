# Sources of the console part of the platform layer.
