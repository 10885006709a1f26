# Sources of the exceptions part of the platform layer.
